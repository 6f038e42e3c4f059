#pragma once
// A scenario played by the agent inside a real program of the suite, started as users start it
// (tests/programs/README.md). The test names the scenario and the library that holds it
// (scenario_run.h); once the program has made its QApplication, the agent works through the
// scenario's steps on the program's own thread, in whatever event loop runs (the main window's
// or that of a modal dialog), and writes what it found into the report the test reads after the
// program ended.
//
// A step is polled until it answers true: it looks for what it needs on the screen
// (widget_finder.h) and, once it is there, acts on it. Actions that open a modal dialog go
// through later() or press() (agent_actions.h), so that the step returns and the agent goes on
// working inside the dialog's loop. A check that fails is reported and the scenario goes on; a
// step that waits longer than its limit ends the program. The last step ends the program as a
// user does (Exit, Cancel); the program's own exit code is the test's to check.

#include <QString>
#include <QWidget>

#include <chrono>
#include <functional>
#include <string>

#include "tests/programs/agent/agent_actions.h"
#include "tests/programs/agent/widget_finder.h"

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

// Saves a picture of the widget into the pictures folder the test named, as name.png.
void picture(QWidget* widget, const QString& name);

}  // namespace tk73agent

#define TK73_AGENT_SCENARIO(name)                                                 \
    static void name##Steps(tk73agent::Scenario& scenario);                       \
    static const tk73agent::Registration name##Registration(#name, &name##Steps); \
    static void name##Steps(tk73agent::Scenario& scenario)
