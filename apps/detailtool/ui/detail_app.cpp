#include "apps/detailtool/ui/detail_app.h"

#include <QApplication>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/ui/detail_window.h"
#include "apps/dialogs/library_dialogs.h"
#include "apps/editors/framework/window_handover.h"
#include "base/ui/qt_user_interaction.h"
#include "base/user_interaction.h"
#include "base/window_values.h"
#include "platform/named_mutex.h"
#include "platform/window_activation.h"

namespace tk73dtl {

DetailExit runDetailTool(const std::vector<std::string>& arguments) {
    applyProcessSwitches(arguments);
    tk73::NamedMutex instance(instanceName());
    if (instance.state() == tk73::NamedMutex::State::HeldElsewhere) {
        tk73::raiseWindow(instance.holder());
        return DetailExit::AlreadyRunning;
    }
    DetailContext context;
    if (!prepareStart(context)) {
        return DetailExit::NoStore;
    }
    DetailWindow window(std::move(context));
    const uint32_t shell = tk73::mainWindowValue();
    tk73editor::WindowHandover handover(&window);
    handover.Begin();
    tk73::setMainWindowValue(tk73::ownWindowHandle());
    window.exec();
    tk73::setMainWindowValue(shell);
    handover.End();
    return DetailExit::Ran;
}

int detailToolMain(int argc, char** argv) {
    // Qt takes the options it knows out of argv; the tool's words are read before that.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    QApplication application(argc, argv);
    tk73::QtUserInteraction interaction;
    tk73apps::registerLibraryDialogs(interaction);
    tk73::installUserInteraction(&interaction);
    const DetailExit exit = runDetailTool(arguments);
    tk73::installUserInteraction(nullptr);
    return static_cast<int>(exit);
}

}  // namespace tk73dtl
