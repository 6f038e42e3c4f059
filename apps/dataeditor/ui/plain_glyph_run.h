#pragma once
// Values of plain characters (cell_text.h) drawn together as one run of glyphs. A screen of the
// grid holds a few hundred values, and a text drawn on its own is laid out on its own; plain
// characters need no layout, only their glyphs side by side.

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QStringView>

#include <array>
#include <string>
#include <string_view>

class QPainter;

namespace tk73edit {

class PlainGlyphRun {
  public:
    PlainGlyphRun() = default;
    explicit PlainGlyphRun(const QFont& font);

    // Adds the value with the start of its baseline at the point; false, adding nothing, when
    // it holds a character that is not plain or that the font lacks: the caller draws it as a
    // text.
    bool Add(std::string_view bytes, QPointF origin);
    bool Add(QStringView text, QPointF origin);
    // Draws what was added in the painter's pen and starts again empty.
    void Draw(QPainter& painter);

  private:
    QRawFont font_;
    // Per byte: its glyph, 0 when it is not plain or the font lacks it, and its advance.
    std::array<quint32, 128> glyphs_{};
    std::array<qreal, 128> advances_{};
    QList<quint32> indexes_;
    QList<QPointF> positions_;
};

}  // namespace tk73edit
