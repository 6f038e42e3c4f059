#pragma once
// What the rendering check counts as a control of a window: a widget that shows the user a text
// or takes an input (labels, buttons, edit and drop-down fields, spin and date fields, lists and
// text areas, tab bars, group boxes). The widgets inside a control (a date field's editor, a
// list's header) are its parts, not controls of their own; a group box and a scroll area that
// shows a page of widgets only hold the controls inside them.

#include <QString>
#include <QWidget>

namespace tk73test {

bool isControl(const QWidget* widget);

// Whether the widget is one of the window's own widgets rather than a part of a control.
bool isOwnWidget(const QWidget* widget, const QWidget* window);

// How a problem names the widget: its class, its object name when it has one, and the start of
// the text it shows.
QString nameOf(const QWidget* widget);

}  // namespace tk73test
