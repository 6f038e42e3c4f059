#pragma once
// How the agent finds a program's windows and widgets as a user sees them: the requests name
// them by selectors, the scenarios' steps ask by title, text and class.
//
// A window is a visible top-level widget named by its title, or "@Class" for one of that class
// (QMessageBox, QFileDialog, QMenu, ...); the active pop-up, modal or active window wins among
// several. A title matches the window's whole title, or its part before or after a " - " (a
// program's main window names its file so: "KR301.092 - Tool").
// A widget in it is "*" (the window itself), "#name" (its object name), or "Class" (with its
// namespace, "ns::Class", for a class of the suite),
// "Class:text" (a button's text without its "&", a label's text, a group box's title), each
// optionally followed by "[n]" for the n-th such visible widget (from 0) in creation order.

#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QMessageBox;

namespace tk73agent {

QWidget* findWindow(const QString& selector);
QWidget* findWidget(QWidget* window, const QString& selector);
// The text a user reads on the widget (see above; a message box's message, a combo box's choice,
// a field's contents).
QString widgetText(const QWidget* widget);
// The visible top-level windows as "Class:title", a message box with its "text".
QStringList visibleWindows();

// The visible window with the title; null when there is none.
QWidget* shownWindow(const QString& title);
// The visible message box, null when there is none.
QMessageBox* shownMessage();
// The button of the widget whose text (without "&") is the text, or whose object name or
// accessible name is it; null when there is none.
QAbstractButton* buttonIn(const QWidget* widget, const QString& text);
// A visible descendant of the widget in its window (not in a dialog the window owns), of the
// class and with the object name (any name when empty).
template <class Widget>
Widget* shownIn(const QWidget* widget, const QString& objectName = QString()) {
    for (Widget* found : widget->findChildren<Widget*>()) {
        if (found->isVisible() && found->window() == widget->window() &&
            (objectName.isEmpty() || found->objectName() == objectName)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace tk73agent
