// TK73EDIT started as the detail tool starts it: a separate process with the path of a program
// file, on store 1 of a staged installation. It ends without a window when there is nothing it
// may edit, and runs once per mode.

#include <QTest>

#include <filesystem>

#include "apps/dataeditor/editor_start.h"
#include "apps/editors/testing/editor_session.h"
#include "base/registry_settings.h"
#include "tests/programs/suite_program.h"
#include "tests/support/temp_environment.h"

namespace {

std::string editorProgram() {
    return tk73test::builtProgram("TK73EDIT");
}

tk73edit::StartCheck startCheck(const std::string& path) {
    tk73edit::StartContext context;
    return tk73edit::prepareStart(tk73edit::DataEditorCommandLine::parse({path}), context);
}

}  // namespace

class DataEditorProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void runsOnceAndEndsWithoutAWindowWhenThereIsNothingToEdit() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const std::string plu = session.store.mainteFile(tk73editortest::kRegister, 4);
        // "DATAFILES" of the model names file 90.
        const std::string data = session.store.mainteFile(tk73editortest::kRegister, 90);
        tk73test::TempEnvironment::writeFile(data, "000001,\"00\"\r\n");
        QCOMPARE(tk73test::exitCodeOf(editorProgram(), ""), 2);
        QCOMPARE(tk73test::exitCodeOf(editorProgram(), plu + ".missing"), 2);
        QCOMPARE(tk73test::exitCodeOf(editorProgram(), data), 2);
        QCOMPARE(tk73test::currentWindow(), 0u);

        tk73test::SuiteProgram first(editorProgram(), plu);
        QVERIFY(first.pid() != 0);
        QVERIFY(first.awaitWindow());
        QCOMPARE(tk73test::exitCodeOf(editorProgram(), plu), 1);
        QVERIFY(first.running());
        QVERIFY(first.raise());
    }

    void theStartChecksFindTheStoreTheFileAndTheDefinitionCopy() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const std::string plu = session.store.mainteFile(tk73editortest::kRegister, 4);
        tk73edit::StartContext context;
        QCOMPARE(tk73edit::prepareStart(tk73edit::DataEditorCommandLine::parse({plu}), context),
                 tk73edit::StartCheck::Ready);
        QCOMPARE(context.fileNo, 4);
        QCOMPARE(context.storeNo, 1);
        QCOMPARE(context.title, std::string("n:P0004:"));
        QCOMPARE(context.model.identName, std::string("KR301"));
        QCOMPARE(context.definitionFile,
                 session.store.paths(tk73editortest::kRegister).definitionFile);

        std::filesystem::remove(context.definitionFile);
        QCOMPARE(startCheck(plu), tk73edit::StartCheck::NoDefinition);
        // Started by the controller tool, the store is the desktop selection: none is selected.
        AecrbsSetLaunchVekTool(1);
        AecrbsSetDesktopRegister("999", "999", "999");
        QCOMPARE(startCheck(plu), tk73edit::StartCheck::NoStore);
    }
};

QTEST_MAIN(DataEditorProcessTest)
#include "process_test.moc"
