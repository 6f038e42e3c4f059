// TK73HUB: the main shell of the setting tool suite.

#include <QApplication>
#include <QFileInfo>

#include <string>
#include <vector>

#include "apps/dialogs/library_dialogs.h"
#include "apps/shell/hub_app.h"
#include "apps/shell/hub_dlg.h"
#include "apps/shell/save_as_choice.h"
#include "apps/shell/save_as_dlg.h"
#include "base/ui/qt_user_interaction.h"
#include "platform/running_program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The window hides while a program it started runs; that is no reason to end.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setOrganizationName(QStringLiteral("KELVO"));

    tk73::QtUserInteraction interaction;
    tk73apps::registerLibraryDialogs(interaction);
    interaction.addDialog(std::string(tk73hub::SaveAsRequest::kName), tk73hub::showSaveAsDialog);
    tk73::installUserInteraction(&interaction);

    std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string programName =
        QFileInfo(QApplication::applicationFilePath()).completeBaseName().toStdString();
    tk73hub::CHubApp app(programName, tk73::runningProgramFolder());
    int result = 0;
    if (app.Start(arguments) == tk73hub::CHubApp::StartResult::Window) {
        interaction.setParentWindow(app.MainWindow());
        result = app.Run();
    }
    tk73::installUserInteraction(nullptr);
    return result == -1 ? 1 : 0;
}
