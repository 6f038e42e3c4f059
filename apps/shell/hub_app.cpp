#include "apps/shell/hub_app.h"

#include <QEventLoop>

#include "apps/shell/hub_command_line.h"
#include "apps/shell/hub_dlg.h"
#include "apps/shell/second_start.h"
#include "apps/shell/tool_table.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/window_values.h"

namespace tk73hub {

CHubApp::CHubApp(std::string programName, std::string programFolder)
    : programName_(std::move(programName)), programFolder_(std::move(programFolder)) {}

CHubApp::~CHubApp() = default;

CHubApp::StartResult CHubApp::Start(const std::vector<std::string>& arguments) {
    const HubCommandLine commandLine = HubCommandLine::Parse(arguments);
    // The switch decides the registry root and folders of every later lookup.
    if (commandLine.launchVek) {
        AecrbsSetLaunchVekTool(1);
    }
    uint32_t userMode = 0;
    AecrbsGetTK73UserMode(&userMode);
    userMode_ = AdjustUserMode(userMode, commandLine.launchVek);

    mutex_ = std::make_unique<tk73::NamedMutex>(HubMutexName(commandLine.launchVek, programName_));
    if (mutex_->state() == tk73::NamedMutex::State::HeldElsewhere) {
        BringRunningShellForward(mutex_->holder());
        mutex_.reset();
        return StartResult::SecondStart;
    }
    tk73::setCurrentWindowValue(0);
    tk73::setMainWindowValue(0);
    models_ = std::make_unique<CTK73edbModel>();
    window_ =
        std::make_unique<CHubDlg>(*this, layoutForUserMode(userMode_), commandLine.archiveFile);
    return StartResult::Window;
}

int CHubApp::Run() {
    int result = -1;
    if (window_ != nullptr && window_->InitDialog()) {
        // The window is hidden while a program it started runs, so it cannot run in the dialog's
        // own modal loop, which ends when the dialog is hidden.
        QEventLoop loop;
        QObject::connect(window_.get(), &QDialog::finished, &loop, [&](int code) {
            result = code;
            loop.quit();
        });
        window_->show();
        loop.exec();
    }
    if (window_ != nullptr) {
        window_->CloseExtras();
    }
    window_.reset();
    mutex_.reset();
    return result;
}

}  // namespace tk73hub
