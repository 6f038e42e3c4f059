#pragma once
// A window rendered for review: shown as the user sees it, its picture saved, and the rendering
// check run over it and over the stray windows of the application.

#include <QString>
#include <QStringList>

class QWidget;

namespace tk73test {

// Shows the window when it is hidden and waits until it is on the screen, saves its picture into
// the file (making the folder when it is missing) and answers the problems the rendering check
// finds in it; a window that is not shown and a picture that cannot be saved are problems too.
// The picture goes where picturePath puts it.
QStringList renderedProblems(QWidget& window, const QString& pictureFile);

// Where a picture of a window goes: the file itself with the pinned fonts; with the second font
// set (TK73_FONT_SET), the file of that name in a folder named after the set beside it, so that
// the two runs keep their pictures apart.
QString picturePath(const QString& pictureFile);

}  // namespace tk73test
