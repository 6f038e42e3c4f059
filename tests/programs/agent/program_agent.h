#pragma once
// A scenario played inside a real program of the suite, started as users start it. The test
// starts the program with a scenario library preloaded (scenario_run.h); once the program has
// made its QApplication, the agent works through the scenario's steps on the program's own
// thread, in whatever event loop runs (the main window's or that of a modal dialog), and writes
// what it found into the report the test reads after the program ended.
//
// A step is polled until it answers true: it looks for what it needs on the screen and, once it
// is there, acts on it. Actions that open a modal dialog go through later(), so that the step
// returns and the agent goes on working inside the dialog's loop. A check that fails is reported
// and the scenario goes on; a step that waits longer than its limit ends the program. The last
// step ends the program as a user does (Exit, Cancel); the program's own exit code is the test's
// to check.

#include <QString>
#include <QWidget>

#include <chrono>
#include <functional>
#include <string>

class QAbstractButton;
class QMessageBox;

namespace tk73agent {

using StepFunction = std::function<bool()>;

class Scenario {
  public:
    // Adds a step, described for the report.
    Scenario& step(const std::string& what, StepFunction function,
                   std::chrono::milliseconds limit = std::chrono::seconds(20));
    // A value the test handed to the scenario; empty when it gave none.
    std::string argument(const std::string& name) const;
};

using Build = void (*)(Scenario& scenario);

// Makes a scenario known to the agent by its name.
struct Registration {
    Registration(const char* name, Build build);
};

// Reports a failure when the condition does not hold; answers the condition.
bool check(bool condition, const QString& what);
// Reports a note, for the reader of the report.
void note(const QString& what);

// Runs the action from the event loop once the step has returned.
void later(std::function<void()> action);
// Clicks the button from the event loop (a click may open a modal dialog).
void press(QAbstractButton* button);

// The visible window (dialog, message box, main window) whose title is the text, or whose title
// starts with it followed by " - "; null when there is none.
QWidget* shownWindow(const QString& title);
// The visible message box, null when there is none.
QMessageBox* shownMessage();
// The button of the widget whose text (without "&") is the text, or whose object name is it;
// null when there is none.
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

// Saves a picture of the widget into the pictures folder the test named, as name.png.
void picture(QWidget* widget, const QString& name);

}  // namespace tk73agent

#define TK73_AGENT_SCENARIO(name)                                                 \
    static void name##Steps(tk73agent::Scenario& scenario);                       \
    static const tk73agent::Registration name##Registration(#name, &name##Steps); \
    static void name##Steps(tk73agent::Scenario& scenario)
