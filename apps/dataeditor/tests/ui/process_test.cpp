// TK73EDIT started as the detail tool starts it: a separate process with the path of a program
// file, on store 1 of a staged installation. It ends without a window when there is nothing it
// may edit, and runs once per mode. Its real windows and the libraries' dialogs it opens are
// worked as a user works them, through the test agent (tests/programs/program_remote.h).

#include <QTest>

#include <cstdio>
#include <filesystem>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/editor_start.h"
#include "apps/editors/testing/editor_session.h"
#include "base/registry_settings.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/pgm_import_range.h"
#include "tests/programs/program_remote.h"
#include "tests/programs/suite_program.h"
#include "tests/support/temp_environment.h"

namespace {

std::string editorProgram() {
    return tk73test::builtProgram("TK73EDIT");
}

constexpr const char* kWindow = "@QMainWindow";
constexpr const char* kGrid = "tk73edit::DataGridView";
constexpr int kNameColumn = 1;

// The bytes with the first place of one text replaced by another of the same length.
std::string replaced(std::string bytes, const std::string& text, const std::string& by) {
    bytes.replace(bytes.find(text), text.size(), by);
    return bytes;
}

// Opens "Read data" and chooses the source in its menu.
bool readDataFrom(tk73test::ProgramRemote& editor, const std::string& source) {
    return editor.act({"click", kWindow, std::string("#") + tk73edit::kReadData}) &&
           editor.chooseMenuItem(source);
}

// Answers the import's question for the records to read: all of them.
bool readAllRecords(tk73test::ProgramRemote& editor) {
    return editor.awaitWindow("@CImportRangeDlg") &&
           editor.act({"click", "@CImportRangeDlg",
                       std::string("QPushButton:") + tk73pgm::ImportRangeRequest::kRead}) &&
           editor.awaitGone("@CImportRangeDlg");
}

std::string shownName(tk73test::ProgramRemote& editor, size_t record) {
    const auto rows = editor.rows(kWindow, kGrid);
    return record < rows.size() && rows[record].size() > kNameColumn ? rows[record][kNameColumn]
                                                                     : editor.lastError();
}

// What Debian's Python with openpyxl (an outside reader and writer of workbooks) answers for a
// script run on the workbook given as its first argument.
std::string openpyxl(const std::string& script, const std::string& workbook,
                     const std::string& extra = "") {
    const std::string command =
        "/usr/bin/python3 -c '" + script + "' '" + workbook + "' '" + extra + "' 2>&1";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            out += buffer;
        }
        pclose(pipe);
    }
    return out;
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
        QCOMPARE(context.model.indentName, std::string("KR301"));
        QCOMPARE(context.definitionFile,
                 session.store.paths(tk73editortest::kRegister).definitionFile);

        std::filesystem::remove(context.definitionFile);
        QCOMPARE(startCheck(plu), tk73edit::StartCheck::NoDefinition);
        // Started by the controller tool, the store is the desktop selection: none is selected.
        AecrbsSetLaunchVekTool(1);
        QVERIFY(AecrbsSetDesktopRegister("999", "999", "999") != 0);
        QCOMPARE(startCheck(plu), tk73edit::StartCheck::NoStore);
    }

    void readDataTakesACsvFileAndAnotherStoresFileIntoTheGrid() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const std::string plu = session.store.mainteFile(tk73editortest::kRegister, 4);
        const std::string original = tk73test::TempEnvironment::readFile(plu);
        // A CSV file of the PLU file with another name in record 3, as the export writes it.
        const std::string csv = session.environment.path("OAT.CSV");
        const std::string fromCsv = replaced(original, "Baguette        ", "Oat bread       ");
        tk73test::TempEnvironment::writeFile(csv, fromCsv);
        // Another store of the same model, its record 4 named otherwise.
        const int other = tk73editortest::createStoreWithDefaults("Harbour Kiosk", 301);
        QVERIFY(other > 1);
        char otherPlu[TK73_MAX_PATH] = {};
        QCOMPARE(CTK73pgmPgmFile(other).CreateMainteFullPath(4, otherPlu), 1);
        tk73test::TempEnvironment::writeFile(
            otherPlu, replaced(tk73test::TempEnvironment::readFile(otherPlu), "Croissant       ",
                               "Pretzel         "));

        const tk73test::AgentEnvironment agents(session.environment.path("agents"));
        tk73test::SuiteProgram program(editorProgram(), plu);
        tk73test::ProgramRemote editor(agents, program.pid());
        QVERIFY2(editor.awaitWidget(kWindow, kGrid), editor.lastError().c_str());
        QCOMPARE(shownName(editor, 2), std::string("Baguette        "));

        QVERIFY2(readDataFrom(editor, tk73edit::kFromCsvFile), editor.lastError().c_str());
        QVERIFY2(editor.answerMessage(tk73edit::kCsvReadNotStrict, "OK"),
                 editor.lastError().c_str());
        QVERIFY2(editor.awaitWindow("@QFileDialog") && editor.act({"choosefile", csv}),
                 editor.lastError().c_str());
        QVERIFY2(readAllRecords(editor), editor.lastError().c_str());
        QCOMPARE(shownName(editor, 2), std::string("Oat bread       "));
        // The file changes only when the user saves.
        QCOMPARE(tk73test::TempEnvironment::readFile(plu), original);

        QVERIFY2(readDataFrom(editor, tk73edit::kFromDatabase), editor.lastError().c_str());
        QVERIFY2(editor.awaitWindow("Select store"), editor.lastError().c_str());
        const auto stores = editor.rows("Select store", "#stores");
        int row = -1;
        for (size_t at = 0; at < stores.size(); ++at) {
            row = stores[at].front() == "Harbour Kiosk" ? static_cast<int>(at) : row;
        }
        QVERIFY2(row >= 0, "the other store is not offered");
        QVERIFY(editor.act({"row", "Select store", "#stores", std::to_string(row)}));
        QVERIFY(editor.act({"click", "Select store", "QPushButton:OK"}));
        QVERIFY2(readAllRecords(editor), editor.lastError().c_str());
        QCOMPARE(shownName(editor, 3), std::string("Pretzel         "));
        // The other store's file replaced the whole image, the CSV file's name with it.
        QCOMPARE(shownName(editor, 2), std::string("Baguette        "));

        QVERIFY(editor.act({"menubar", kWindow, "File"}));
        QVERIFY2(editor.chooseMenuItem("Save"), editor.lastError().c_str());
        QVERIFY2(editor.awaitGone("@QMenu"), editor.lastError().c_str());
        QTRY_COMPARE_WITH_TIMEOUT(tk73test::TempEnvironment::readFile(plu),
                                  tk73test::TempEnvironment::readFile(otherPlu), 10000);
    }

    void writeDataMakesAWorkbookAndReadDataTakesItBackThroughThePreview() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const std::string plu = session.store.mainteFile(tk73editortest::kRegister, 4);
        const std::string original = tk73test::TempEnvironment::readFile(plu);
        const tk73test::AgentEnvironment agents(session.environment.path("agents"));
        tk73test::SuiteProgram program(editorProgram(), plu);
        tk73test::ProgramRemote editor(agents, program.pid());
        QVERIFY2(editor.awaitWidget(kWindow, kGrid), editor.lastError().c_str());

        const std::string workbook = session.environment.path("PLU.xlsx");
        QVERIFY2(editor.act({"click", kWindow, std::string("#") + tk73edit::kWriteData}) &&
                     editor.chooseMenuItem(tk73edit::kToSpreadsheet),
                 editor.lastError().c_str());
        QVERIFY2(editor.awaitWindow("@QFileDialog") && editor.act({"choosefile", workbook}),
                 editor.lastError().c_str());
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(workbook), 10000);
        // A spreadsheet user renames record 3 in the workbook.
        const std::string edited = session.environment.path("PLU edited.xlsx");
        const std::string rename =
            "import openpyxl,sys\n"
            "book=openpyxl.load_workbook(sys.argv[1]); sheet=book.active\n"
            "cells=[c for c in sheet[4] if str(c.value).strip()==\"Baguette\"]\n"
            "cells[0].value=\"Oat bread\"; book.save(sys.argv[2]); print(sheet.max_row)\n";
        // A row per record of the grid below the titles.
        const size_t rows = editor.rows(kWindow, kGrid).size() + 1;
        QCOMPARE(openpyxl(rename, workbook, edited), std::to_string(rows) + "\n");

        QVERIFY2(readDataFrom(editor, tk73edit::kFromSpreadsheet), editor.lastError().c_str());
        QVERIFY2(editor.awaitWindow("@QFileDialog") && editor.act({"choosefile", edited}),
                 editor.lastError().c_str());
        QVERIFY2(editor.awaitWindow("Read from spreadsheet"), editor.lastError().c_str());
        QCOMPARE(editor.rows("Read from spreadsheet", "#changes").size(), size_t(1));
        QVERIFY2(editor.act({"click", "Read from spreadsheet", "#apply"}) &&
                     editor.awaitGone("Read from spreadsheet"),
                 editor.lastError().c_str());
        QCOMPARE(shownName(editor, 2), std::string("Oat bread       "));
        // The file changes only when the user saves.
        QCOMPARE(tk73test::TempEnvironment::readFile(plu), original);
    }
};

QTEST_MAIN(DataEditorProcessTest)
#include "process_test.moc"
