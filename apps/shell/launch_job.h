#pragma once
// Starting a setting editor or tool from the main window and waiting for it to end.
//
// The window is disabled, hidden and named in "MAINHWND" while the program runs, so that the
// user works in one program at a time and the program can bring the shell back. A worker
// thread starts the program and waits for it; when it ends, the window is enabled, shown and
// brought to the front and "MAINHWND" goes back to 0.

#include <QPointer>
#include <QWidget>

#include <string>

#include "platform/process_launch.h"

namespace tk73hub {

// The program's full path: the folder, the separator, the program's file name.
std::string ProgramPath(const std::string& folder, const std::string& program);
// The command line "%s %s" of the path and the switch, as the failure message names it.
std::string LaunchCommandLine(const std::string& path, const std::string& programSwitch);

class LaunchJob {
  public:
    explicit LaunchJob(QWidget& window);

    // Starts the program; false when the worker thread or the program could not be started, after
    // "Failed to execute %s." was shown under the caption and the window is usable again. A
    // program that fails to start is reported when the worker learns it, after Start answered.
    bool Start(const std::string& path, const std::string& programSwitch,
               const std::string& caption);
    // From the start until the window is back.
    bool Running() const { return running_; }

  private:
    // On the window's thread, once the worker has reported.
    void Finish(bool started, const std::string& commandLine, const std::string& caption);
    void Restore();

    QPointer<QWidget> window_;
    bool running_ = false;
    tk73::ProgramLaunch launch_;
};

}  // namespace tk73hub
