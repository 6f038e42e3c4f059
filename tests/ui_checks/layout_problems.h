#pragma once
// The rendering check every window test of the suite runs: what a user could not read or reach
// in a laid-out window, at any depth of its layouts (pages of a tab control, groups, grids,
// scrolled pages). Only what is visible counts, so a tab control is checked one page at a time.
//
// A window smaller than it needs; a control smaller than it needs; a label, button, edit field,
// group title or tab bar whose text does not fit; a list or text area that must scroll
// sideways; a list cell or column title whose column cuts its text; a widget that sticks out of
// the widget holding it (the page a scroll area shows scrolls, so it may); two controls on top of
// each other anywhere in the window; and two widgets or nested layouts of one layout on top of
// each other. Apart from any window: a control shown as a window of its own.

#include <QStringList>
#include <QWidget>

namespace tk73test {

// One line a problem, naming the widgets concerned; empty for a window laid out well.
QStringList layoutProblems(const QWidget* window);

// The controls of the application shown as windows of their own (a label or field shown before
// it was given a place in a window pops up at the top left of the screen); one line each.
QStringList strayWindows();

}  // namespace tk73test
