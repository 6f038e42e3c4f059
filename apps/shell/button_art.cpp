#include "apps/shell/button_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cctype>

#include "apps/shell/art_palette.h"

namespace tk73hub {

namespace {

enum class Symbol { Open, New, Save, SaveAs };

struct FileArt {
    const char* base;
    Symbol symbol;
    const char* label;
};

constexpr FileArt kFileArts[] = {
    {"BTNFILEOPEN", Symbol::Open, "Open"},
    {"BTNFILENEW", Symbol::New, "New"},
    {"BTNFILESAVE", Symbol::Save, "Save"},
    {"BTNFILESAVEAS", Symbol::SaveAs, "Save As"},
};

enum class Face { Dark, Pink, Purple };

struct FaceArt {
    const char* base;
    Face face;
    QSize size;
};

const FaceArt kFaceArts[] = {
    {"BTNDARK", Face::Dark, QSize(175, 42)},
    {"BTNPINK", Face::Pink, QSize(117, 42)},
    {"BTNPURPLE", Face::Purple, QSize(117, 42)},
};

const QSize kFileSize(95, 80);
constexpr qreal kRadius = 8.0;

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const FileArt* findFileArt(std::string_view base) {
    for (const FileArt& art : kFileArts) {
        if (sameName(base, art.base)) {
            return &art;
        }
    }
    return nullptr;
}

const FaceArt* findFaceArt(std::string_view base) {
    for (const FaceArt& art : kFaceArts) {
        if (sameName(base, art.base)) {
            return &art;
        }
    }
    return nullptr;
}

bool knownSuffix(char suffix) {
    switch (std::toupper(static_cast<unsigned char>(suffix))) {
        case 'N':
        case 'S':
        case 'F':
        case 'D':
            return true;
        default:
            return false;
    }
}

QPixmap canvas(QSize size, qreal dpr) {
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The outline of a face of the logical size: half-pixel inset so that a one-pixel edge falls on
// whole device pixels, one pixel short at the bottom for the drop shadow.
QRectF faceRect(QSize size, bool pressed) {
    const qreal shift = pressed ? 1.0 : 0.0;
    return QRectF(0.5, 0.5 + shift, size.width() - 1.0, size.height() - 2.0);
}

void drawShadow(QPainter& p, QSize size) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 23, 42, 46));
    p.drawRoundedRect(QRectF(0.5, 1.5, size.width() - 1.0, size.height() - 2.0), kRadius, kRadius);
}

void drawFocusRing(QPainter& p, const QRectF& face) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kFocus, 2.0));
    p.drawRoundedRect(face.adjusted(2.0, 2.0, -2.0, -2.0), kRadius - 2.0, kRadius - 2.0);
}

void faceColours(Face face, QColor& top, QColor& bottom) {
    switch (face) {
        case Face::Pink:
            top = palette::kPinkTop;
            bottom = palette::kPinkBottom;
            return;
        case Face::Purple:
            top = palette::kPurpleTop;
            bottom = palette::kPurpleBottom;
            return;
        case Face::Dark:
            break;
    }
    top = palette::kDarkTop;
    bottom = palette::kDarkBottom;
}

QPixmap drawFace(const FaceArt& art, char state, qreal dpr) {
    QPixmap pixmap = canvas(art.size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QColor top;
    QColor bottom;
    faceColours(art.face, top, bottom);
    const bool pressed = state == 'S';
    const QRectF face = faceRect(art.size, pressed);

    if (state == 'D') {
        p.setPen(QPen(palette::kDisabledEdge, 1.0));
        p.setBrush(palette::kDisabledFace);
        p.drawRoundedRect(face, kRadius, kRadius);
        return pixmap;
    }
    if (!pressed) {
        drawShadow(p, art.size);
    }
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0.0, pressed ? bottom.darker(115) : top);
    fill.setColorAt(1.0, pressed ? bottom.darker(108) : bottom);
    p.setPen(QPen(bottom.darker(125), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(face, kRadius, kRadius);
    if (pressed) {
        // The inner shadow along the top edge makes the face read as pushed in.
        QLinearGradient shade(face.topLeft(), face.topLeft() + QPointF(0, 8));
        shade.setColorAt(0.0, QColor(0, 0, 0, 70));
        shade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawRoundedRect(face.adjusted(1, 1, -1, -1), kRadius - 1, kRadius - 1);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
        p.drawLine(QPointF(face.left() + kRadius, face.top() + 1.0),
                   QPointF(face.right() - kRadius, face.top() + 1.0));
    }
    if (state == 'F') {
        drawFocusRing(p, face);
    }
    return pixmap;
}

// Symbols are drawn in a 36 x 30 box whose top left is at origin.
void drawFolder(QPainter& p, QPointF o, const QColor& colour) {
    QPainterPath back;
    back.moveTo(o + QPointF(2, 4));
    back.lineTo(o + QPointF(13, 4));
    back.lineTo(o + QPointF(16, 8));
    back.lineTo(o + QPointF(32, 8));
    back.lineTo(o + QPointF(32, 27));
    back.lineTo(o + QPointF(2, 27));
    back.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(125));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(o + QPointF(6, 13));
    front.lineTo(o + QPointF(36, 13));
    front.lineTo(o + QPointF(32, 27));
    front.lineTo(o + QPointF(2, 27));
    front.closeSubpath();
    p.setBrush(colour);
    p.drawPath(front);
}

void drawDocument(QPainter& p, QPointF o, const QColor& colour) {
    QPainterPath sheet;
    sheet.moveTo(o + QPointF(7, 1));
    sheet.lineTo(o + QPointF(22, 1));
    sheet.lineTo(o + QPointF(29, 8));
    sheet.lineTo(o + QPointF(29, 29));
    sheet.lineTo(o + QPointF(7, 29));
    sheet.closeSubpath();
    p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(palette::kWhite);
    p.drawPath(sheet);
    p.setBrush(colour);
    QPainterPath fold;
    fold.moveTo(o + QPointF(22, 1));
    fold.lineTo(o + QPointF(22, 8));
    fold.lineTo(o + QPointF(29, 8));
    fold.closeSubpath();
    p.drawPath(fold);
    // The plus badge.
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(o + QPointF(21, 17), QSizeF(15, 15)));
    p.setPen(QPen(palette::kWhite, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(o + QPointF(28.5, 20.5), o + QPointF(28.5, 28.5));
    p.drawLine(o + QPointF(24.5, 24.5), o + QPointF(32.5, 24.5));
}

void drawCard(QPainter& p, QPointF o, const QColor& colour) {
    QPainterPath card;
    card.moveTo(o + QPointF(8, 1));
    card.lineTo(o + QPointF(22, 1));
    card.lineTo(o + QPointF(28, 7));
    card.lineTo(o + QPointF(28, 29));
    card.lineTo(o + QPointF(8, 29));
    card.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(card);
    // Contacts along the top edge.
    p.setBrush(palette::kWhite);
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(o + QPointF(10.5 + i * 3.5, 3), QSizeF(2, 5)));
    }
    // The arrow into the card.
    p.setPen(QPen(palette::kWhite, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(o + QPointF(18, 12), o + QPointF(18, 24));
    p.drawLine(o + QPointF(14, 20), o + QPointF(18, 24));
    p.drawLine(o + QPointF(22, 20), o + QPointF(18, 24));
}

void drawPencilBadge(QPainter& p, QPointF o, const QColor& colour) {
    p.setPen(QPen(palette::kWhite, 2.0));
    p.setBrush(colour.darker(130));
    p.drawEllipse(QRectF(o + QPointF(21, 16), QSizeF(16, 16)));
    p.save();
    p.translate(o + QPointF(29, 24));
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kWhite);
    p.drawRect(QRectF(-5, -1.5, 8, 3));
    QPainterPath tip;
    tip.moveTo(3.5, -1.5);
    tip.lineTo(6, 0);
    tip.lineTo(3.5, 1.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

QColor symbolColour(Symbol symbol) {
    switch (symbol) {
        case Symbol::Open:
            return palette::kOpenSymbol;
        case Symbol::New:
            return palette::kNewSymbol;
        case Symbol::Save:
        case Symbol::SaveAs:
            break;
    }
    return palette::kSaveSymbol;
}

void drawSymbol(QPainter& p, Symbol symbol, QPointF origin, const QColor& colour) {
    switch (symbol) {
        case Symbol::Open:
            drawFolder(p, origin, colour);
            return;
        case Symbol::New:
            drawDocument(p, origin, colour);
            return;
        case Symbol::Save:
            drawCard(p, origin, colour);
            return;
        case Symbol::SaveAs:
            drawCard(p, origin, colour);
            drawPencilBadge(p, origin, colour);
            return;
    }
}

QPixmap drawFileCard(const FileArt& art, char state, qreal dpr) {
    QPixmap pixmap = canvas(kFileSize, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool pressed = state == 'S';
    const bool disabled = state == 'D';
    const QRectF face = faceRect(kFileSize, pressed);

    if (!pressed && !disabled) {
        drawShadow(p, kFileSize);
    }
    p.setPen(QPen(disabled ? palette::kDisabledEdge : palette::kCardEdge, 1.0));
    p.setBrush(disabled ? palette::kCardDisabled
                        : (pressed ? palette::kCardPressed : palette::kCard));
    p.drawRoundedRect(face, kRadius, kRadius);

    const QColor colour = disabled ? palette::kMutedInk : symbolColour(art.symbol);
    const QPointF origin(face.left() + (face.width() - 36.0) / 2.0, face.top() + 12.0);
    drawSymbol(p, art.symbol, origin, colour);

    QFont font;
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(disabled ? palette::kMutedInk : palette::kInk);
    p.drawText(QRectF(face.left(), face.top() + 50.0, face.width(), 22.0), Qt::AlignCenter,
               QString::fromLatin1(art.label));
    if (state == 'F') {
        drawFocusRing(p, face);
    }
    return pixmap;
}

}  // namespace

QSize bitmapSize(std::string_view base) {
    if (findFileArt(base) != nullptr) {
        return kFileSize;
    }
    if (const FaceArt* face = findFaceArt(base)) {
        return face->size;
    }
    return QSize();
}

QPixmap buttonBitmap(std::string_view base, char suffix, qreal devicePixelRatio) {
    if (!knownSuffix(suffix) || devicePixelRatio <= 0.0) {
        return QPixmap();
    }
    const char state = static_cast<char>(std::toupper(static_cast<unsigned char>(suffix)));
    if (const FileArt* file = findFileArt(base)) {
        return drawFileCard(*file, state, devicePixelRatio);
    }
    if (const FaceArt* face = findFaceArt(base)) {
        return drawFace(*face, state, devicePixelRatio);
    }
    return QPixmap();
}

QColor captionColor(char suffix) {
    if (std::toupper(static_cast<unsigned char>(suffix)) == 'D') {
        return palette::kMutedInk;
    }
    return palette::kWhite;
}

}  // namespace tk73hub
