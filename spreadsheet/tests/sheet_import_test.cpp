// The import of a spreadsheet into a program file: what the preview finds in edited sheets, and
// what applying it writes, on copies of a shipped model's program files.

#include <gtest/gtest.h>

#include <algorithm>

#include "spreadsheet/import_preview.h"
#include "spreadsheet/sheet_export.h"
#include "spreadsheet/sheet_readers.h"
#include "spreadsheet/tests/sheet_files.h"
#include "spreadsheet/workbook_origin.h"

namespace {

using tk73sheet::ApplyChoice;
using tk73sheet::ImportPreview;
using tk73sheettest::replaced;
using tk73test::TempEnvironment;

class SheetImport : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = env_.path(name);
        TempEnvironment::writeFile(path, bytes);
        return path;
    }
    static std::string read(const std::string& path) { return TempEnvironment::readFile(path); }

    TempEnvironment env_;
};

// A sheet the shop owner saved as CSV with a German spreadsheet (semicolons, decimal commas,
// leading zeros dropped), columns moved and one of their own added, and every kind of mistake.
TEST_F(SheetImport, PreviewListsTheValidChangesAndRefusesBadRowsWithTheirRowNumbers) {
    const tk73sheet::ProgramSheet plu = tk73sheettest::shippedFile(env_, "KR150", 4, "PLU");
    const std::string original = read(plu.path);
    const std::string csv =
        write("prices.csv",
              "Record;PLU name;Unit price;PLU code;Notes\r\n"
              "1;Sourdough loaf;4,49;4012300000075;fresh daily\r\n"  // price, leading zero lost
              "2;Rye bread;2,79;04012300000143\r\n"                  // as it is
              "3;Baguette \xC5\x81\xC3\xB3"
              "d\xC5\xBA;2,85;04012300000211\r\n"                    // "Łódź": no Windows-1252
              "4;Croissant;1,2x;04012300000280\r\n"                  // a letter in the price
              "5;\"Pain au chocolat noir\";1,50;04012300000358\r\n"  // 21 characters for 16
              "6;Cinnamon roll;2,10;4012300000075\r\n"               // record 1's code
              "\r\n"
              "8;Caf\xC3\xA9 cr\xC3\xA8me;3;04012300000563\r\n"  // a name of the code page
              "250;Ghost;1;1\r\n"                                // no such record
              "2;Rye bread;9,99;04012300000143\r\n");            // record 2 again
    ImportPreview preview;
    std::string error;
    ASSERT_TRUE(tk73sheet::previewImport(plu, csv, preview, error)) << error;

    struct Expected {
        int record, row;
        std::string title, oldValue, newValue;
    };
    const std::vector<Expected> changes = {
        {1, 2, "Unit price", "4.29", "4.49"},
        {8, 9, "PLU name", "Bagel sesame", "Caf\xE9 cr\xE8me"},
        {8, 9, "Unit price", "2.59", "3.00"},
    };
    ASSERT_EQ(preview.changes.size(), changes.size());
    for (size_t i = 0; i < changes.size(); ++i) {
        const tk73sheet::FieldChange& change = preview.changes[i];
        EXPECT_EQ(change.record, changes[i].record);
        EXPECT_EQ(change.row, changes[i].row);
        EXPECT_EQ(preview.columns[change.column].title, changes[i].title);
        EXPECT_EQ(change.oldValue, changes[i].oldValue);
        EXPECT_EQ(change.newValue, changes[i].newValue);
    }
    std::vector<std::string> refusals;
    for (const tk73sheet::Refusal& refusal : preview.refusals) {
        refusals.push_back(std::to_string(refusal.row) + " " + refusal.column + ": " +
                           refusal.reason);
    }
    EXPECT_EQ(refusals, (std::vector<std::string>{
                            "4 PLU name: the character U+0141 is not in the code page WINDOWS-1252",
                            "5 Unit price: \"1,2x\" is not a number",
                            "6 PLU name: is 21 characters long; the field holds 16",
                            "7 PLU code: \"04012300000075\" is held by record 1 already",
                            "10 Record: \"250\" is no record number; the file has records 1 to 200",
                            "11 Record: record 2 is given in row 3 already",
                        }));
    EXPECT_EQ(preview.changedRecords, 2);
    EXPECT_EQ(preview.unchangedRecords, 1);
    EXPECT_EQ(preview.notes,
              (std::vector<std::string>{
                  "The column \"Notes\" is no field of the file and is passed over."}));

    // All or nothing: a refusal writes nothing.
    EXPECT_FALSE(tk73sheet::applyImport(plu, preview, ApplyChoice::AllOrNothing, error));
    EXPECT_EQ(error, "6 rows are refused, so nothing was written.");
    EXPECT_TRUE(read(plu.path) == original);

    // The valid rows only: exactly their fields change, every other byte stays.
    ASSERT_TRUE(tk73sheet::applyImport(plu, preview, ApplyChoice::ValidRowsOnly, error)) << error;
    std::string expected = replaced(
        original, "000001,\"04012300000075\",\"Sourdough loaf  \",\"002000000000\",\"00000429\"",
        "000001,\"04012300000075\",\"Sourdough loaf  \",\"002000000000\",\"00000449\"");
    expected = replaced(expected, "\"Bagel sesame    \",\"002000000000\",\"00000259\"",
                        "\"Caf\xE9 cr\xE8me      \",\"002000000000\",\"00000300\"");
    EXPECT_TRUE(read(plu.path) == expected);

    // Applying a preview of a file that changed since is refused.
    EXPECT_FALSE(tk73sheet::applyImport(plu, preview, ApplyChoice::ValidRowsOnly, error));
    EXPECT_TRUE(read(plu.path) == expected);
}

// The same two edits as the CSV files spreadsheets save: UTF-8 with a byte order mark and every
// value quoted and padded, tabs in the Windows code page with a decimal comma, Excel's Unicode
// text (UTF-16 with tabs), and semicolons under Excel's "sep=" line. Each reads the same.
TEST_F(SheetImport, EverySpreadsheetCsvDialectGivesTheSamePreview) {
    const tk73sheet::ProgramSheet plu = tk73sheettest::shippedFile(env_, "KR150", 4, "PLU");
    std::string unicodeText = "\xFF\xFE";
    for (const char c : std::string("Record\tPLU name\tUnit price\r\n1\tSourdough loaf\t4.49\r\n"
                                    "8\tCaf\xE9 cr\xE8me\t2.59\r\n")) {
        unicodeText += {c, '\0'};
    }
    const std::string dialects[] = {
        "\xEF\xBB\xBF\"Record\",\"PLU name\",\"Unit price\"\r\n"
        "\"000001\",\"Sourdough loaf  \",\" 4.49 \"\r\n"
        "\"000008\",\"Caf\xC3\xA9 cr\xC3\xA8me      \",\"2.59\"\r\n",
        "Record\tPLU name\tUnit price\n1\tSourdough loaf\t4,49\n8\tCaf\xE9 cr\xE8me\t2,59\n",
        unicodeText,
        "sep=;\r\nRecord;PLU name;Unit price\r\n1;Sourdough loaf;4,49\r\n"
        "8;Caf\xC3\xA9 cr\xC3\xA8me;2,590\r\n",
    };
    for (const std::string& bytes : dialects) {
        ImportPreview preview;
        std::string error;
        ASSERT_TRUE(tk73sheet::previewImport(plu, write("saved.csv", bytes), preview, error))
            << error << bytes;
        std::vector<std::string> changes;
        for (const tk73sheet::FieldChange& change : preview.changes) {
            changes.push_back(std::to_string(change.row) + " " + std::to_string(change.record) +
                              " " + preview.columns[change.column].title + ": " + change.oldValue +
                              " > " + change.newValue);
        }
        EXPECT_EQ(changes,
                  (std::vector<std::string>{"2 1 Unit price: 4.29 > 4.49",
                                            "3 8 PLU name: Bagel sesame > Caf\xE9 cr\xE8me"}))
            << bytes;
        EXPECT_TRUE(preview.refusals.empty()) << bytes << preview.refusals[0].reason;
        EXPECT_EQ(preview.unchangedRecords, 0) << bytes;
    }
}

TEST_F(SheetImport, OwnExportReadsBackWithoutChangeAndTellsAnotherModelOrFile) {
    const std::vector<tk73sheet::ProgramSheet> files = {
        tk73sheettest::shippedFile(env_, "KR150", 4, "PLU"),
        tk73sheettest::shippedFile(env_, "KR150", 5, "Dept"),
        tk73sheettest::shippedFile(env_, "KR150", 7, "Clerk")};
    const std::string workbook = env_.path("store.xlsx");
    std::string error;
    ASSERT_TRUE(tk73sheet::exportWorkbook(files, workbook, error)) << error;

    // What the workbook holds: a sheet per file, codes as texts with their zeros, prices as
    // numbers in their unit, and the hidden sheet that names the model.
    tk73sheet::Workbook book;
    ASSERT_TRUE(tk73sheet::readXlsx(workbook, book, error)) << error;
    ASSERT_EQ(book.sheets.size(), 4u);
    EXPECT_EQ(book.sheets[0].name, "PLU");
    EXPECT_TRUE(book.sheets[3].hidden);
    const auto& header = book.sheets[0].rows[0].cells;
    ASSERT_GE(header.size(), 5u);
    EXPECT_EQ(header[0].text, "Record");
    EXPECT_EQ(header[1].text, "PLU code");
    EXPECT_EQ(header[4].text, "Unit price");
    const auto& first = book.sheets[0].rows[1].cells;
    EXPECT_EQ(first[0].type, tk73sheet::Cell::Type::Number);
    EXPECT_EQ(first[1].type, tk73sheet::Cell::Type::Text);
    EXPECT_EQ(first[1].text, "04012300000075");
    EXPECT_EQ(first[2].text, "Sourdough loaf");
    EXPECT_EQ(first[4].type, tk73sheet::Cell::Type::Number);
    EXPECT_EQ(first[4].text, "4.29");
    EXPECT_EQ(book.sheets[0].rows.size(), 201u);
    const std::optional<tk73sheet::WorkbookOrigin> origin = tk73sheet::originOf(book);
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->model, "KR150");
    EXPECT_EQ(origin->files.size(), 3u);

    for (const tk73sheet::ProgramSheet& file : files) {
        const std::string before = read(file.path);
        ImportPreview preview;
        ASSERT_TRUE(tk73sheet::previewImport(file, workbook, preview, error))
            << file.title << error;
        EXPECT_TRUE(preview.changes.empty()) << file.title;
        EXPECT_TRUE(preview.refusals.empty()) << file.title << preview.refusals[0].reason;
        EXPECT_GT(preview.unchangedRecords, 0) << file.title;
        ASSERT_TRUE(tk73sheet::applyImport(file, preview, ApplyChoice::AllOrNothing, error));
        EXPECT_TRUE(read(file.path) == before) << file.title;
    }

    // Another model's workbook, a workbook without the file, a sheet of another file, an empty
    // sheet: each is refused whole and nothing is read.
    const tk73sheet::ProgramSheet other = tk73sheettest::shippedFile(env_, "KR301", 4, "PLU");
    const std::string otherBook = env_.path("other.xlsx");
    ASSERT_TRUE(tk73sheet::exportWorkbook({other}, otherBook, error)) << error;
    const std::string deptOnly = env_.path("dept.xlsx");
    ASSERT_TRUE(tk73sheet::exportWorkbook({files[1]}, deptOnly, error)) << error;
    const std::string clerkCsv = write("clerk.csv", "Record,Clerk name\n1,Anna\n");
    const std::string emptyCsv = write("empty.csv", "");
    const std::pair<std::string, std::string> refused[] = {
        {otherBook,
         "The spreadsheet holds the data of the register KR301; this store's register is a "
         "KR150. Nothing was read."},
        {deptOnly, "The spreadsheet holds no sheet of the PLU file."},
        {clerkCsv,
         "The first row of the sheet \"PLU\" names no field of the PLU file: it is no sheet "
         "of the PLU file."},
        {emptyCsv, "The sheet \"PLU\" is empty: there is nothing to read."},
    };
    for (const auto& [path, message] : refused) {
        ImportPreview preview;
        EXPECT_FALSE(tk73sheet::previewImport(files[0], path, preview, error)) << path;
        EXPECT_EQ(error, message);
    }
}

}  // namespace
