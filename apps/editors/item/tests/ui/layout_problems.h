#pragma once
// Finds what a user could not read or reach in a laid-out window: a control smaller than it
// needs, a label or a list cell whose text is cut, a list that must scroll sideways, a control
// reaching out of its parent, and controls of one parent lying on top of each other.

#include <QStringList>
#include <QWidget>

namespace tk73itemtest {

QStringList LayoutProblems(const QWidget* window);

}  // namespace tk73itemtest
