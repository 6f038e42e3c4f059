#pragma once
// The shell's application object: the start-up from the command line to the main window, the
// single-instance rule, and what every flow of the window shares (the model table, the user mode,
// the folder of the programs it starts).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/named_mutex.h"
#include "storedb/edb_model.h"

namespace tk73hub {

class CHubDlg;

class CHubApp {
  public:
    enum class StartResult {
        Window,      // the main window is made; Run shows it
        SecondStart  // another shell of this mode runs; it was brought forward
    };

    // programName: the executable's base name, which completes the single-instance name;
    // programFolder: where the programs the window starts are found.
    CHubApp(std::string programName, std::string programFolder);
    ~CHubApp();
    CHubApp(const CHubApp&) = delete;
    CHubApp& operator=(const CHubApp&) = delete;

    // From the command line (arguments after the program's path) to the main window, not yet
    // shown: the process switches, the user mode, the mutex, the window values, the model
    // table, the window in the layout of the user mode.
    StartResult Start(const std::vector<std::string>& arguments);
    // Shows the window and waits until it ends; its result. The window is destroyed and the mutex
    // released afterwards.
    int Run();

    CHubDlg* MainWindow() const { return window_.get(); }
    const CTK73edbModel& ModelTable() const { return *models_; }
    uint32_t UserMode() const { return userMode_; }
    const std::string& ProgramFolder() const { return programFolder_; }

  private:
    std::string programName_;
    std::string programFolder_;
    uint32_t userMode_ = 0;
    std::unique_ptr<tk73::NamedMutex> mutex_;
    std::unique_ptr<CTK73edbModel> models_;
    std::unique_ptr<CHubDlg> window_;
};

}  // namespace tk73hub
