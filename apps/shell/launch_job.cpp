#include "apps/shell/launch_job.h"

#include <QMetaObject>

#include <cstdio>
#include <vector>

#include "apps/shell/hub_texts.h"
#include "base/file_utils.h"
#include "base/user_interaction.h"
#include "base/window_values.h"
#include "platform/api.h"
#include "platform/window_activation.h"

namespace tk73hub {

namespace {

void showFailure(const std::string& what, const std::string& caption) {
    std::vector<char> message(what.size() + 32);
    std::snprintf(message.data(), message.size(), text::kFailedToExecute, what.c_str());
    tk73::ui().message(message.data(), caption, tk73::MessageIcon::Error);
}

}  // namespace

std::string ProgramPath(const std::string& folder, const std::string& program) {
    char path[TK73_MAX_PATH] = {};
    if (folder.size() >= sizeof path) {
        return std::string();
    }
    folder.copy(path, folder.size());
    return AecrbsAddPath(path, program.c_str()) != 0 ? std::string(path) : std::string();
}

std::string LaunchCommandLine(const std::string& path, const std::string& programSwitch) {
    return path + " " + programSwitch;
}

LaunchJob::LaunchJob(QWidget& window) : window_(&window) {}

bool LaunchJob::Start(const std::string& path, const std::string& programSwitch,
                      const std::string& caption) {
    if (running_ || window_ == nullptr) {
        return false;
    }
    running_ = true;
    window_->setEnabled(false);
    tk73::setMainWindowValue(tk73::ownWindowHandle());
    window_->hide();
    const std::string commandLine = LaunchCommandLine(path, programSwitch);
    QWidget* window = window_;
    const bool threadStarted = launch_.start(
        path, programSwitch,
        [this, window, commandLine, caption](const tk73::ProgramLaunch::Outcome& o) {
            const bool started = o.started;
            QMetaObject::invokeMethod(
                window,
                [this, started, commandLine, caption] { Finish(started, commandLine, caption); },
                Qt::QueuedConnection);
        });
    if (!threadStarted) {
        Restore();
        showFailure(path, caption);
        return false;
    }
    return true;
}

void LaunchJob::Finish(bool started, const std::string& commandLine, const std::string& caption) {
    Restore();
    if (!started) {
        showFailure(commandLine, caption);
    }
}

void LaunchJob::Restore() {
    running_ = false;
    if (window_ != nullptr) {
        window_->setEnabled(true);
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    tk73::setMainWindowValue(0);
}

}  // namespace tk73hub
