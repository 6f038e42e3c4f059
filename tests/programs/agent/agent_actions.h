#pragma once
// The agent's actions that run on the next turn of the program's event loop, after the step or
// the request that asked for them has returned: an action that opens a modal dialog then holds
// neither the scenario nor the test's answer, and the agent goes on inside the dialog's loop.

#include <functional>

class QAbstractButton;

namespace tk73agent {

// Runs the action from the event loop once the step has returned.
void later(std::function<void()> action);
// Clicks the button from the event loop (a click may open a modal dialog).
void press(QAbstractButton* button);

}  // namespace tk73agent
