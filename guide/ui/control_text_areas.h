#pragma once
// Where a window shows text a user reads, in the window's coordinates: the callouts of the
// guide's pictures must leave it readable (callout_picture.h).

#include <QList>
#include <QRect>

class QGroupBox;
class QWidget;

namespace tk73guide {

struct ControlArea {
    QRect whole;  // the control as it stands (a label, a check box: as far as its text goes)
    QRect text;   // where its text (or, for a field or a button, its face) is drawn
};

// The shown controls of the window: buttons, fields, labels, group box titles, tabs, and the
// cells and header sections of lists and grids that hold text.
QList<ControlArea> controlAreas(QWidget* window);

// The title of the group box in the window: a callout on a group stands beside its title.
QRect groupBoxTitle(QGroupBox* box, QWidget* window);

}  // namespace tk73guide
