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
QStringList renderedProblems(QWidget& window, const QString& pictureFile);

}  // namespace tk73test
