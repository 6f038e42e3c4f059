#include "apps/editors/framework/editor_application.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>

#include "apps/dialogs/library_dialogs.h"
#include "apps/editors/framework/language_library.h"
#include "base/ui/qt_user_interaction.h"
#include "base/ui/ui_text.h"
#include "platform/named_mutex.h"
#include "platform/window_activation.h"

namespace tk73editor {

EditorExit runEditor(const std::vector<std::string>& arguments,
                     const EditorDescription& description, const std::string& programName) {
    const EditorCommandLine commandLine = EditorCommandLine::parse(arguments);
    applyProcessSwitches(commandLine, description.vekFlags);
    const std::string flag = commandLine.pageSetFlag();
    const auto entry = std::find_if(description.pageSets.begin(), description.pageSets.end(),
                                    [&](const PageSetEntry& set) { return set.flag == flag; });
    if (flag.empty() || entry == description.pageSets.end()) {
        return EditorExit::NoPageSet;
    }

    tk73::NamedMutex instance(editorMutexName(description.vekFlags, programName));
    if (instance.state() == tk73::NamedMutex::State::HeldElsewhere) {
        tk73::raiseWindow(instance.holder());
        return EditorExit::AlreadyRunning;
    }

    PgmMenuContext context;
    if (!context.OpenActiveStore()) {
        return EditorExit::NoStore;
    }
    const LanguageLibrary language;
    std::unique_ptr<PageSetWindow> pageSet = entry->create(context);
    // A read that failed is told by Open; the window still shows what was read, and the user
    // closes it.
    (void)pageSet->Open();
    pageSet->exec();
    pageSet.reset();
    return EditorExit::Ran;
}

int editorMain(int argc, char** argv, const EditorDescription& description) {
    // Qt takes the options it knows out of argv; the editor's flags are read before that.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    QApplication application(argc, argv);
    tk73::QtUserInteraction interaction;
    tk73apps::registerLibraryDialogs(interaction);
    tk73::installUserInteraction(&interaction);
    const std::string programName =
        tk73::fromQString(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    const EditorExit exit = runEditor(arguments, description, programName);
    tk73::installUserInteraction(nullptr);
    return static_cast<int>(exit);
}

}  // namespace tk73editor
