#pragma once
// How the agent's requests name a window and a widget in it.
//
// A window is a visible top-level widget named by its exact title, or "@Class" for one of that
// class (QMessageBox, QFileDialog, QMenu, ...); the active modal window wins among several.
// A widget in it is "*" (the window itself), "#name" (its object name), or "Class" (with its
// namespace, "ns::Class", for a class of the suite),
// "Class:text" (a button's text without its "&", a label's text, a group box's title), each
// optionally followed by "[n]" for the n-th such visible widget (from 0) in creation order.

#include <QString>
#include <QStringList>

class QWidget;

namespace tk73test {

QWidget* findWindow(const QString& selector);
QWidget* findWidget(QWidget* window, const QString& selector);
// The text a user reads on the widget (see above; a message box's message, a combo box's choice,
// a field's contents).
QString widgetText(const QWidget* widget);
// The visible top-level windows as "Class:title", a message box with its "text".
QStringList visibleWindows();

}  // namespace tk73test
