#include "apps/dataeditor/ui/data_editor_app.h"

#include <QApplication>
#include <QFileInfo>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/editor_start.h"
#include "apps/dataeditor/ui/data_editor_window.h"
#include "apps/dialogs/library_dialogs.h"
#include "apps/editors/framework/window_handover.h"
#include "base/ui/qt_user_interaction.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "platform/named_mutex.h"
#include "platform/window_activation.h"

namespace tk73edit {

tk73editor::EditorExit runDataEditor(const std::vector<std::string>& arguments,
                                     const std::string& programName) {
    const DataEditorCommandLine commandLine = DataEditorCommandLine::parse(arguments);
    applyProcessSwitches(commandLine);
    tk73::NamedMutex instance(
        tk73editor::editorMutexName(tk73editor::VekFlags::FirstTwoFlags, programName));
    if (instance.state() == tk73::NamedMutex::State::HeldElsewhere) {
        tk73::raiseWindow(instance.holder());
        return tk73editor::EditorExit::AlreadyRunning;
    }
    StartContext context;
    switch (prepareStart(commandLine, context)) {
        case StartCheck::Ready:
            break;
        case StartCheck::NoFile:
        case StartCheck::DataFile:
            return tk73editor::EditorExit::NoPageSet;
        case StartCheck::NoStore:
            return tk73editor::EditorExit::NoStore;
        case StartCheck::NoDefinition:
            tk73::ui().message(kNoIniFile, kAppTitle, tk73::MessageIcon::Error);
            return tk73editor::EditorExit::NoStore;
    }
    DataEditorWindow window(context, loadWindowPlacement());
    if (!window.OpenDocument()) {
        return tk73editor::EditorExit::Ran;
    }
    window.ShowPlaced();
    tk73editor::WindowHandover handover(&window);
    handover.Begin();
    QApplication::exec();
    handover.End();
    return tk73editor::EditorExit::Ran;
}

int dataEditorMain(int argc, char** argv) {
    // Qt takes the options it knows out of argv; the editor's arguments are read before that.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    QApplication application(argc, argv);
    tk73::QtUserInteraction interaction;
    tk73apps::registerLibraryDialogs(interaction);
    tk73::installUserInteraction(&interaction);
    const std::string programName =
        tk73::fromQString(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    const tk73editor::EditorExit exit = runDataEditor(arguments, programName);
    tk73::installUserInteraction(nullptr);
    return static_cast<int>(exit);
}

}  // namespace tk73edit
