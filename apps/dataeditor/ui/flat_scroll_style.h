#pragma once
// The style of the grid's scroll bars: the plain style's bars with their troughs filled in one
// colour. The application's style draws its bars with gradients and translucent lines, and the
// plain style its troughs in a dotted pattern; the raster engine blends either pixel row by pixel
// row, a long bar on its thread pool, which on a busy machine cost more than a screen of cells.
// A trough of one colour, the mean of the dots, is a plain fill.

#include <QProxyStyle>

namespace tk73edit {

class FlatScrollStyle : public QProxyStyle {
  public:
    FlatScrollStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace tk73edit
