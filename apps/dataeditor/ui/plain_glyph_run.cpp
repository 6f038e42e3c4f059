#include "apps/dataeditor/ui/plain_glyph_run.h"

#include <QGlyphRun>
#include <QPainter>
#include <QString>

#include "apps/dataeditor/ui/cell_text.h"

namespace tk73edit {

PlainGlyphRun::PlainGlyphRun(const QFont& font) : font_(QRawFont::fromFont(font)) {
    QString plain;
    for (char c = ' '; c < 0x7F; ++c) {
        if (isPlainCharacter(c)) {
            plain += QLatin1Char(c);
        }
    }
    const QList<quint32> glyphs = font_.glyphIndexesForString(plain);
    if (glyphs.size() != plain.size()) {
        return;
    }
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const auto byte = static_cast<size_t>(plain.at(i).unicode());
        glyphs_[byte] = glyphs[i];
        advances_[byte] = advances[i].x();
    }
}

bool PlainGlyphRun::Add(std::string_view bytes, QPointF origin) {
    for (const char c : bytes) {
        if (!isPlainCharacter(c) || glyphs_[static_cast<size_t>(c)] == 0) {
            return false;
        }
    }
    for (const char c : bytes) {
        const auto byte = static_cast<size_t>(c);
        // A blank has nothing to draw.
        if (c != ' ') {
            indexes_.push_back(glyphs_[byte]);
            positions_.push_back(origin);
        }
        origin.rx() += advances_[byte];
    }
    return true;
}

bool PlainGlyphRun::Add(QStringView text, QPointF origin) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() >= 0x7F) {
            return false;
        }
        bytes += static_cast<char>(c.unicode());
    }
    return Add(bytes, origin);
}

void PlainGlyphRun::Draw(QPainter& painter) {
    if (!indexes_.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(font_);
        run.setGlyphIndexes(indexes_);
        run.setPositions(positions_);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    indexes_.clear();
    positions_.clear();
}

}  // namespace tk73edit
