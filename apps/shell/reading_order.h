#pragma once
// The order in which a reader meets the controls of a window: row by row from the top, and from
// the left within a row. Controls whose tops lie within a few pixels of each other share a row,
// so a row of buttons of different heights still reads as one.

#include <vector>

class QWidget;

namespace tk73hub {

// The widgets, all inside window, in reading order of their places in the window.
std::vector<QWidget*> readingOrder(std::vector<QWidget*> widgets, const QWidget* window);

}  // namespace tk73hub
