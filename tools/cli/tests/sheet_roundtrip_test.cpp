// The spreadsheet round trip with a real spreadsheet program: tk73 exports a store's PLU,
// department and clerk files as one workbook, LibreOffice (headless, in a profile folder of its
// own) saves it as .ods, as .xlsx again and as CSV, and a second reader and writer (Python's
// openpyxl) finds its rules and edits cells; tk73 imports each. LibreOffice is slow to start, so
// its three conversions serve one test.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "tests/support/command_output.h"
#include "tests/support/temp_environment.h"
#include "tk73_source_dir.h"
#include "tools/cli/tests/cli_process.h"
#include "tools/stager/stage_installation.h"

namespace {

namespace fs = std::filesystem;
using tk73test::CliResult;
using tk73test::runTk73;
using tk73test::TempEnvironment;

constexpr int kProfessional = 2;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// A helper script beside this test, for Debian's Python, whose openpyxl package
// scripts/packages.txt installs.
std::string script(const char* name) {
    return quoted(std::string(TK73_SOURCE_DIR) + "/tools/cli/tests/" + name);
}

class SheetRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> log;
        std::string error;
        const std::string target = env_.path("stage");
        ASSERT_TRUE(tk73tools::stageInstallation(
            {tk73tools::shippedInstallation(), target, kProfessional, false}, log, error))
            << error;
        setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(target).c_str(), 1);
    }

    std::string create(const char* model) {
        const CliResult result = runTk73({"store", "create", "--name", model, "--model", model});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out.substr(0, result.out.find('\n'));
    }
    std::string programFile(const std::string& store, int fileNo) const {
        char name[64];
        std::snprintf(name, sizeof name, "common/TK73DB/S%03d/M001/MAINTE/FILE%03dP.TXT",
                      std::atoi(store.c_str()), fileNo);
        return env_.path(name);
    }
    // LibreOffice converts the file into the folder; false when it fails.
    bool convert(const std::string& file, const std::string& format, const std::string& folder) {
        const tk73test::CommandOutput office =
            tk73test::runCommand("soffice --headless -env:UserInstallation=file://" +
                                 env_.path("office-profile") + " --convert-to " + quoted(format) +
                                 " --outdir " + quoted(folder) + " " + quoted(file) + " 2>&1");
        return office.status == 0;
    }
    CliResult import(const std::string& store, int fileNo, const std::string& in,
                     std::vector<std::string> extra) {
        std::vector<std::string> args = {
            "import", "--store", store, "--file", std::to_string(fileNo), "--in", in};
        args.insert(args.end(), extra.begin(), extra.end());
        return runTk73(args);
    }
    static std::string read(const std::string& path) { return TempEnvironment::readFile(path); }

    TempEnvironment env_;
};

TEST_F(SheetRoundTrip, SpreadsheetSavesReadBackUnchangedAndEditsShowInThePreview) {
    const std::string store = create("150");
    const int files[] = {4, 5, 7};
    std::map<int, std::string> before;
    for (const int fileNo : files) {
        before[fileNo] = read(programFile(store, fileNo));
    }
    const std::string workbook = env_.path("store.xlsx");
    const CliResult exported =
        runTk73({"export", "--store", store, "--file", "4,5,7", "--xlsx", "--out", workbook});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;

    // What a spreadsheet enforces, as a second reader (openpyxl) finds it: the header and record
    // column frozen, widths that fit the titles, texts kept as text, prices with two decimals,
    // and on every column of every sheet a rule from the definition.
    const tk73test::CommandOutput rules = tk73test::runCommand(
        "/usr/bin/python3 " + script("workbook_rules.py") + " " + quoted(workbook) + " 2>&1");
    ASSERT_EQ(rules.status, 0) << rules.text;
    EXPECT_EQ(rules.text.substr(0, rules.text.find("Department")),
              "PLU frozen at B2\n"
              "  Record | 9 | 0 | whole between 1,200\n"
              "  PLU code | 17 | @ | textLength lessThanOrEqual 14\n"
              "  PLU name | 19 | @ | textLength lessThanOrEqual 16\n"
              "  PLU status | 15 | @ | textLength lessThanOrEqual 12\n"
              "  Unit price | 13 | 0.00 | decimal between 0,999999.99\n"
              "  Second price | 15 | 0.00 | decimal between 0,999999.99\n"
              "  Dept link | 12 | 0 | whole between 1,10\n"
              "  Group link | 13 | 0 | whole between 0,10\n"
              "  Link PLU | 11 | 0 | whole between 0,200\n"
              "  Condiment PLU | 16 | 0 | whole between 0,200\n"
              "  Tax table no. | 16 | 0 | list \"0,1,2,3,4,5,6,7,8,9,10\"\n"
              "  Kitchen printer | 18 | 0 | whole between 0,99\n"
              "  Stock quantity | 17 | @ | textLength lessThanOrEqual 8\n");
    EXPECT_NE(rules.text.find("Department frozen at B2\n"), std::string::npos) << rules.text;
    EXPECT_NE(rules.text.find("Clerk frozen at B2\n"), std::string::npos) << rules.text;
    EXPECT_EQ(rules.text.find("no rule"), std::string::npos) << rules.text;

    // The spreadsheet program's own saves: .ods, .xlsx again, and its CSV files (UTF-8, values as
    // shown, a file per sheet).
    ASSERT_TRUE(convert(workbook, "ods", env_.path("ods")));
    ASSERT_TRUE(convert(env_.path("ods/store.ods"), "xlsx", env_.path("xlsx")));
    ASSERT_TRUE(convert(workbook,
                        "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,"
                        "false,false,-1",
                        env_.path("csv")));
    const std::map<int, std::string> csvSheets = {
        {4, "csv/store-PLU.csv"}, {5, "csv/store-Department.csv"}, {7, "csv/store-Clerk.csv"}};
    for (const int fileNo : files) {
        for (const std::string& saved : {env_.path("ods/store.ods"), env_.path("xlsx/store.xlsx"),
                                         env_.path(csvSheets.at(fileNo))}) {
            const CliResult preview = import(store, fileNo, saved, {"--preview"});
            EXPECT_EQ(preview.exitCode, 0) << saved << preview.err;
            EXPECT_EQ(preview.out.rfind("unchanged\t", 0), 0u) << saved << preview.out;
            const CliResult applied = import(store, fileNo, saved, {"--yes"});
            EXPECT_EQ(applied.exitCode, 0) << saved << applied.err;
            EXPECT_TRUE(read(programFile(store, fileNo)) == before[fileNo]) << saved;
        }
    }

    // A second writer edits cells: the preview shows exactly the five changes it may take and
    // the two rows it refuses, and the valid rows write exactly those five fields.
    const std::string edited = env_.path("edited.xlsx");
    const std::string reordered = env_.path("reordered.xlsx");
    const tk73test::CommandOutput python = tk73test::runCommand(
        "/usr/bin/python3 " + script("edit_workbook.py") + " " + quoted(workbook) + " " +
        quoted(edited) + " " + quoted(reordered) + " 2>&1");
    ASSERT_EQ(python.status, 0) << python.text;

    const CliResult moved = import(store, 4, reordered, {"--preview"});
    EXPECT_EQ(moved.out, "unchanged\t200\n") << moved.err;

    const CliResult preview = import(store, 4, edited, {"--preview"});
    EXPECT_EQ(preview.exitCode, 5);
    EXPECT_EQ(preview.out,
              "change\t1\t2\tUnit price\t4.29\t4.59\n"
              "change\t2\t3\tUnit price\t2.79\t2.99\n"
              "change\t3\t4\tUnit price\t2.85\t3.15\n"
              "change\t4\t5\tPLU name\tCroissant\tCr\xC3\xA8me fra\xC3\xAE"
              "che\n"
              "change\t5\t6\tPLU code\t04012300000358\t00012345678905\n"
              "refused\t7\tPLU name\tis 25 characters long; the field holds 16\n"
              "refused\t8\tUnit price\t\"2.4O\" is not a number\n"
              "unchanged\t193\n");
    // The same as JSON, as a script reads it.
    const CliResult json = import(store, 4, edited, {"--preview", "--json"});
    TempEnvironment::writeFile(env_.path("preview.json"), json.out);
    const tk73test::CommandOutput summary = tk73test::runCommand(
        "python3 -c 'import json,sys\n"
        "p = json.load(open(sys.argv[1], encoding=\"utf-8\"))\n"
        "print(len(p[\"changes\"]), [r[\"row\"] for r in p[\"refused\"]], p[\"written\"], "
        "p[\"changes\"][3][\"new\"])' " +
        quoted(env_.path("preview.json")));
    EXPECT_EQ(summary.text,
              "5 [7, 8] False Cr\xC3\xA8me fra\xC3\xAE"
              "che\n")
        << json.out;
    EXPECT_TRUE(read(programFile(store, 4)) == before[4]);

    // All or nothing unless told otherwise.
    EXPECT_EQ(import(store, 4, edited, {"--yes"}).exitCode, 5);
    EXPECT_TRUE(read(programFile(store, 4)) == before[4]);
    const CliResult applied = import(store, 4, edited, {"--valid-only", "--yes"});
    EXPECT_EQ(applied.exitCode, 0) << applied.err;
    const std::pair<const char*, const char*> fields[] = {
        {"Unit price", "1"}, {"Unit price", "2"}, {"Unit price", "3"}, {"PLU name", "4"},
        {"PLU code", "5"},   {"PLU name", "6"},   {"Unit price", "7"}};
    // The handle reads the code's digits as a number.
    std::string values;
    for (const auto& [field, record] : fields) {
        const CliResult got =
            runTk73({"get", "--store", store, "--file", "4", "--field", field, "--record", record});
        values += got.out;
    }
    EXPECT_EQ(values,
              "1\t459\n2\t299\n3\t315\n4\tCr\xC3\xA8me fra\xC3\xAE"
              "che   \n5\t12345678905\n"
              "6\tCinnamon roll   \n7\t249\n");
    std::string expected = before[4];
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\"00000429\"", "\"00000459\""},
             {"\"00000279\"", "\"00000299\""},
             {"\"00000285\"", "\"00000315\""},
             {"\"Croissant       \"",
              "\"Cr\xE8me fra\xEE"
              "che   \""},
             {"\"04012300000358\"", "\"00012345678905\""}}) {
        expected.replace(expected.find(from), from.size(), to);
    }
    EXPECT_TRUE(read(programFile(store, 4)) == expected);

    // Another model's workbook is refused whole.
    const std::string other = create("301");
    const std::string otherBook = env_.path("other.xlsx");
    ASSERT_EQ(
        runTk73({"export", "--store", other, "--file", "4", "--xlsx", "--out", otherBook}).exitCode,
        0);
    const CliResult foreign = import(store, 4, otherBook, {"--yes"});
    EXPECT_EQ(foreign.exitCode, 5);
    EXPECT_NE(foreign.err.find("register KR301; this store's register is a KR150"),
              std::string::npos)
        << foreign.err;
    EXPECT_TRUE(read(programFile(store, 4)) == expected);
}

}  // namespace
