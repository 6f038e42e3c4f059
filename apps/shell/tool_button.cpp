#include "apps/shell/tool_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "apps/shell/button_art.h"

namespace tk73hub {

namespace {

constexpr char kSuffixes[4] = {'N', 'S', 'F', 'D'};

int suffixIndex(char suffix) {
    for (int i = 0; i < 4; ++i) {
        if (kSuffixes[i] == suffix) {
            return i;
        }
    }
    return 0;
}

}  // namespace

QAbstractButton* CToolButton::Create(const ToolRow& row, QWidget* parent) {
    const qreal dpr = parent != nullptr ? parent->devicePixelRatioF() : 1.0;
    std::array<QPixmap, 4> bitmaps;
    for (int i = 0; i < 4; ++i) {
        bitmaps[i] = buttonBitmap(bitmapBase(row), kSuffixes[i], dpr);
        if (bitmaps[i].isNull()) {
            auto* plain = new QPushButton(QString::fromLatin1(row.caption), parent);
            plain->setObjectName(QString::fromLatin1(row.controlText));
            return plain;
        }
    }
    return new CToolButton(row, std::move(bitmaps), parent);
}

CToolButton::CToolButton(const ToolRow& row, std::array<QPixmap, 4> bitmaps, QWidget* parent)
    : QAbstractButton(parent), row_(row), bitmaps_(std::move(bitmaps)) {
    setObjectName(QString::fromLatin1(row.controlText));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    if (row.style != ButtonStyle::File) {
        setText(QString::fromLatin1(row.caption));
    } else {
        setAccessibleName(QString::fromLatin1(row.caption));
    }
    setFixedSize(sizeHint());
}

QSize CToolButton::sizeHint() const {
    return bitmaps_[0].deviceIndependentSize().toSize();
}

char CToolButton::CurrentSuffix() const {
    if (!isEnabled()) {
        return 'D';
    }
    if (isDown()) {
        return 'S';
    }
    if (hasFocus()) {
        return 'F';
    }
    return 'N';
}

void CToolButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CToolButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const char suffix = CurrentSuffix();
    p.drawPixmap(0, 0, bitmaps_[suffixIndex(suffix)]);
    if (row_.style == ButtonStyle::File) {
        return;
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont captionFont = font();
    captionFont.setPixelSize(13);
    captionFont.setBold(true);
    p.setFont(captionFont);
    p.setPen(captionColor(suffix));
    // The face sits one pixel lower while pressed; the caption moves with it.
    const int shift = suffix == 'S' ? 1 : 0;
    p.drawText(rect().adjusted(6, shift, -6, shift - 1), Qt::AlignCenter, text());
}

}  // namespace tk73hub
