#pragma once
// Working the windows of a program of the suite that a test started as a process, through the
// agent loaded into it (agent/): the test finds the program's real windows and widgets and acts
// on them as a user does, step by step. An AgentEnvironment with a socket folder makes every
// program the test starts while it lives load the agent; ProgramRemote speaks to the agent of one
// of them (agent/agent_requests.h lists the requests, agent/widget_finder.h how windows and
// widgets are named).
//
// Every wait is bounded; a request that fails leaves its reason in lastError().

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "tests/programs/agent_environment.h"

namespace tk73test {

class ProgramRemote {
  public:
    // Connects to the agent of the program with the process id, waiting for it up to the limit.
    ProgramRemote(const AgentEnvironment& agents, uint32_t pid,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));
    ~ProgramRemote();
    ProgramRemote(const ProgramRemote&) = delete;
    ProgramRemote& operator=(const ProgramRemote&) = delete;

    bool connected() const { return socket_ >= 0; }
    const std::string& lastError() const { return error_; }

    // The answer's values; nothing when the request failed.
    std::optional<std::vector<std::string>> request(std::initializer_list<std::string> fields);
    // A request whose answer carries no values: whether it succeeded.
    bool act(std::initializer_list<std::string> fields);

    // Waits until the window has the widget ("*": until the window is up), or until the window
    // is gone.
    bool awaitWidget(const std::string& window, const std::string& widget,
                     std::chrono::milliseconds limit = std::chrono::seconds(20));
    bool awaitWindow(const std::string& window,
                     std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        return awaitWidget(window, "*", limit);
    }
    bool awaitGone(const std::string& window,
                   std::chrono::milliseconds limit = std::chrono::seconds(20));

    // The text a user reads on the widget; empty after a failed request.
    std::string text(const std::string& window, const std::string& widget);
    // The rows of an item view, each its columns' texts.
    std::vector<std::vector<std::string>> rows(const std::string& window,
                                               const std::string& widget);
    // Chooses the item in the open pop-up menus (a sub-menu opens), waiting for a menu that
    // holds it up to the limit.
    bool chooseMenuItem(const std::string& item,
                        std::chrono::milliseconds limit = std::chrono::seconds(20));
    // Presses the message box's button after checking its text; false when no message box with
    // that text came up within the limit.
    bool answerMessage(const std::string& text, const std::string& button,
                       std::chrono::milliseconds limit = std::chrono::seconds(20));

  private:
    bool send(const std::string& line);
    std::optional<std::string> receiveLine();
    bool exists(const std::string& window, const std::string& widget);

    int socket_ = -1;
    std::string received_;
    std::string error_;
};

}  // namespace tk73test
