#pragma once
// A shell made in the test's process on a staged installation, its window built and shown: the
// window tests drive it as the user would, the editors it starts are real processes.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apps/shell/hub_app.h"
#include "apps/shell/hub_dlg.h"
#include "apps/shell/tests/shell_environment.h"

namespace hubtest {

class HubWindow {
  public:
    // What the test does before the shell starts: making the card, scripting the Open that the
    // window starts with.
    using BeforeStart = std::function<void(ShellEnvironment&)>;

    // userMode: the mode of the staged installation; editors: the names under which the
    // program folder holds the editor double. Without beforeStart, the Open that a window without
    // an archive starts with is cancelled at the SD card.
    explicit HubWindow(uint32_t userMode, const std::vector<std::string>& editors = {},
                       const std::vector<std::string>& arguments = {},
                       const BeforeStart& beforeStart = {});
    ~HubWindow();

    ShellEnvironment& env() { return env_; }
    tk73hub::CHubApp& app() { return *app_; }
    tk73hub::CHubDlg& window() { return *app_->MainWindow(); }
    // The result the window ended with; -2 while it runs.
    int result() const { return result_; }

    // New, answering the model dialog with the models.
    void runNew(int registerModelNo, int vekModelNo);
    // Presses the button of the control as a click does.
    void press(int controlId);
    // Pro layout: makes a store of the models (0: none) as the store configuration does and
    // selects it in the store bar; its number, 0 when it could not be made.
    int selectNewStore(const std::string& name, int registerModelNo, int vekModelNo);

  private:
    ShellEnvironment env_;
    std::unique_ptr<tk73hub::CHubApp> app_;
    int result_ = -2;
};

}  // namespace hubtest
