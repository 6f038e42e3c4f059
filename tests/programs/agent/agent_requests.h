#pragma once
// The requests the agent answers (widget_finder.h says how W names a window and P a widget):
//
//   windows                  the visible windows, "Class:title" each (a message box's with its
//                            "text")
//   dialogs                  the named dialogs the program's user interaction has registered
//   exists W P               "1" when the widget is there and visible, else "0"
//   text W P                 the text a user reads on it (widget_finder.h)
//   enabled W P              "1" or "0"
//   rows W P                 the top-level rows of an item view (or of the model a widget that
//                            paints its own rows holds), each its columns' texts joined by the
//                            unit separator (0x1F)
//   grab W P FILE            the widget's picture (P "*": the window's) into a PNG file
//
// and the user's actions, each done on the next turn of the program's event loop so that a
// window it opens does not hold up the answer:
//
//   click W P                a left click in the middle of the widget
//   key W P KEYS             a key with its modifiers as Qt names it ("Return", "Shift+F2"),
//                            pressed in the widget through its window (shortcuts take it first)
//   type W P TEXT            the field's text selected, then the text typed key by key
//   row W P N                a click on row N of an item view
//   check W P N 0|1          row N's check box set or cleared, as its click does
//   context W P N            the context menu of row N of an item view (-1: of the widget)
//   menubar W TEXT           a click on the menu bar's menu of that text
//   menu TEXT                the item of that text in the open pop-up menu chosen by keyboard
//                            (a sub-menu opens)
//   choosefile PATH          the open file dialog: the path typed as its file name and accepted

#include <string>
#include <vector>

namespace tk73agent {

// The answer's fields: "ok" and its values, or "error" and what went wrong.
std::vector<std::string> answerRequest(const std::vector<std::string>& request);

}  // namespace tk73agent
