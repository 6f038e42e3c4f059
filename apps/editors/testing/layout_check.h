#pragma once
// Finds what a user could not read or reach in a laid-out window, at any depth of its layouts
// (pages of a tab control, groups, grids): a control smaller than it needs, a label, button or
// tab whose text does not fit, an edit field too narrow for its text, a control cut off by one
// of the widgets that hold it, and two controls on top of each other.
//
// Only what is visible counts, so a tab control is checked one page at a time. Controls are
// labels, buttons, edit fields, drop-down lists, spin and date fields, text areas, tab bars and
// titled groups; the parts inside a control (a date field's editor) belong to it.

#include <QString>
#include <QStringList>
#include <QWidget>

namespace tk73editortest {

QStringList layoutProblems(const QWidget* window);

}  // namespace tk73editortest
