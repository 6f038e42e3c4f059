// The CSV export on the working store of a staged installation: the copy of a program file, the
// data integration file read back with an independent CSV reader (Python's csv module), its
// failure report, cancels, and the remembered export folder.

#include "csvexchange/xch_export.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "csvexchange/tests/xch_test_store.h"
#include "definitions/def_file_export.h"
#include "platform/api.h"
#include "platform/known_folders.h"
#include "programfiles/pgm_file.h"
#include "programfiles/pgm_handle.h"
#include "tests/support/command_output.h"

namespace {

using xchtest::readFile;
using xchtest::writeFile;
using Rows = std::vector<std::vector<std::string>>;
namespace fs = std::filesystem;

// The rows of a CSV file as Python's csv module reads them. Latin-1 hands every byte through
// as it is, so the values come back in the installation's code page.
Rows readWithPython(const std::string& path) {
    const std::string command =
        "python3 -c 'import csv,sys\n"
        "with open(sys.argv[1], newline=\"\", encoding=\"latin-1\") as f:\n"
        "    for row in csv.reader(f):\n"
        "        sys.stdout.buffer.write((\"\\x1f\".join(row) + \"\\x1e\").encode(\"latin-1\"))' "
        "'" +
        path + "'";
    const tk73test::CommandOutput python = tk73test::runCommand(command);
    EXPECT_EQ(python.status, 0);
    const std::string& out = python.text;
    Rows rows;
    size_t start = 0;
    for (size_t end; (end = out.find('\x1e', start)) != std::string::npos; start = end + 1) {
        std::vector<std::string> row;
        const std::string line = out.substr(start, end - start);
        size_t from = 0;
        for (size_t at; (at = line.find('\x1f', from)) != std::string::npos; from = at + 1) {
            row.push_back(line.substr(from, at - from));
        }
        row.push_back(line.substr(from));
        rows.push_back(row);
    }
    return rows;
}

// The value of an item in a record, read through the program file handle alone.
class Items {
  public:
    explicit Items(const xchtest::XchStore& store) {
        char mainte[TK73_MAX_PATH] = {};
        char defaults[TK73_MAX_PATH] = {};
        CTK73pgmPgmFile files(store.storeNo());
        EXPECT_EQ(files.GetMaintePath(mainte, 0), 1);
        EXPECT_EQ(files.GetDefaultPath(defaults), 1);
        EXPECT_EQ(handle_.Open(store.definitionFile().c_str(), mainte, defaults), 1);
    }
    std::string text(int menu, int item, int record) {
        tagPGMITEMDEF def;
        char value[256] = {};
        EXPECT_EQ(handle_.GetItemDef(&def, menu, item, 1), 1) << menu << "/" << item;
        EXPECT_EQ(handle_.ReadItem(&def, record, value, sizeof value), 1);
        return value;
    }
    int number(int menu, int item, int record) {
        tagPGMITEMDEF def;
        uint64_t value = 0;
        EXPECT_EQ(handle_.GetItemDef(&def, menu, item, 1), 1) << menu << "/" << item;
        EXPECT_EQ(handle_.ReadItem(&def, record, &value, sizeof value), 1);
        return static_cast<int>(value);
    }
    int count(int menu, int item) {
        tagPGMITEMDEF def;
        return handle_.GetItemDef(&def, menu, item, 1) == 1 ? def.nRecordCount : 0;
    }

  private:
    CPgmHandle handle_;
};

std::string format(const char* pattern, int value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string record(int r) {
    return format("%05d", r);
}

// The PLU line of record r as the format lays it down, from the values the handle reads.
std::vector<std::string> pluLine(Items& items, int r) {
    const auto n = [&](int item) { return format("%d", items.number(14, item, r)); };
    const std::string code = items.text(14, 1, r);
    const int status = items.number(14, 7, r);
    return {"FILE004P",
            record(r),
            code.empty() ? "00000000000000" : code,
            items.text(14, 2, r),
            format("%06d", items.number(14, 3, r)),
            format("%04d", items.number(14, 10, r)),
            format("%04d", items.number(14, 11, r)),
            "    ",
            format("%d", (status & 2) != 0 ? 1 : status),
            n(15),
            n(4),
            n(16),
            n(5),
            n(6),
            n(17),
            n(9),
            n(8),
            n(18),
            "0",  // menu 14 of this model has no item 12
            format("%02d", items.number(14, 19, r))};
}

std::vector<std::string> departmentLine(Items& items, int r) {
    const auto n = [&](int item) { return format("%d", items.number(1, item, r)); };
    const int status = items.number(1, 5, r);
    return {"FILE005P",
            record(r),
            n(0),
            n(0),
            items.text(1, 1, r),
            format("%06d", items.number(1, 2, r)),
            format("%04d", items.number(1, 7, r)),
            format("%d", (status & 2) != 0 ? 1 : status),
            n(8),
            n(3),
            n(9),
            n(4),
            n(10),
            n(11),
            n(6),
            n(12)};
}

std::string exportFolder(const xchtest::XchStore& store) {
    char folder[TK73_MAX_PATH] = {};
    // Empty when none is stored, which the tests compare.
    (void)CTK73defFILE_EXPORT(store.definitionFile().c_str()).GetExportPath(folder);
    return folder;
}

class XchExport : public ::testing::Test {
  protected:
    XchExport() { fs::create_directories(store_.path("out")); }

    xchtest::XchStore store_;
};

TEST_F(XchExport, TheDataIntegrationFileHoldsEverySectionAsTheFormatSays) {
    const std::string out = store_.path("out/SHOP.CSV");
    store_.chooseFile(92);
    store_.ui().choosePath(out);
    ASSERT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 1);
    EXPECT_TRUE(store_.messages().empty());
    EXPECT_EQ(store_.ui().calls()[1].types.front().patterns, "*.CSV");
    EXPECT_EQ(exportFolder(store_), store_.path("out"));

    const std::string raw = readFile(out);
    ASSERT_GT(raw.size(), 40u);
    EXPECT_EQ(raw.substr(0, 12), "\"HEAD-REC\",\"");
    EXPECT_EQ(raw.substr(raw.size() - 11), "\"END-REC\"\r\n");
    size_t lines = 0;
    for (size_t at = 0; (at = raw.find('\n', at)) != std::string::npos; ++at) {
        EXPECT_EQ(raw[at - 1], '\r');
        EXPECT_EQ(raw[at - 2], '"') << "every value is quoted";
        ++lines;
    }

    const Rows rows = readWithPython(out);
    ASSERT_EQ(rows.size(), lines);
    Items items(store_);
    const int pluCount = items.count(14, 1);
    const int departmentCount = items.count(1, 1);
    const int groupCount = items.count(15, 1);
    ASSERT_EQ(pluCount, 300);
    ASSERT_EQ(rows.size(), static_cast<size_t>(3 + pluCount + departmentCount + groupCount));

    const std::string stamp = rows[0][1];
    EXPECT_EQ(stamp.size(), 14u);
    EXPECT_EQ(stamp.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"HEAD-REC", stamp, "XXX", "XXXX", "000092"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"FILE000P", stamp, "KR3010", "XXXXXXXXXXXXX"}));
    EXPECT_EQ(rows[2][2], "04012300000075");
    EXPECT_EQ(rows[2][3], "Sourdough loaf  ");
    size_t row = 2;
    for (int r = 1; r <= pluCount; ++r, ++row) {
        ASSERT_EQ(rows[row], pluLine(items, r)) << "PLU " << r;
    }
    for (int r = 1; r <= departmentCount; ++r, ++row) {
        ASSERT_EQ(rows[row], departmentLine(items, r)) << "department " << r;
    }
    for (int r = 1; r <= groupCount; ++r, ++row) {
        ASSERT_EQ(rows[row],
                  (std::vector<std::string>{"FILE006P", record(r), items.text(15, 1, r)}))
            << "group " << r;
    }
    EXPECT_EQ(rows[row], std::vector<std::string>{"END-REC"});
}

TEST_F(XchExport, AFailedDataIntegrationFileIsReportedAndKeptAsErr) {
    // The PLU file ends after its second record: record 3 cannot be read.
    const std::string plu = store_.mainteFile(4);
    std::string bytes = readFile(plu);
    size_t end = bytes.find("\n000003,");
    writeFile(plu, bytes.substr(0, end + 1));

    writeFile(store_.path("out/SHOP.err"), "an older failure");
    store_.chooseFile(92);
    store_.ui().choosePath(store_.path("out/SHOP.CSV"));
    EXPECT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 1);
    EXPECT_EQ(store_.messages(),
              (std::vector<std::string>{
                  "Data integration format: PLU file output error at line 3.\nPlease check "
                  "data around line.",
                  "Data integration format: Error end. File could not output."}));
    EXPECT_FALSE(fs::exists(store_.path("out/SHOP.CSV")));
    const std::string kept = readFile(store_.path("out/SHOP.err"));
    EXPECT_EQ(kept.substr(0, 10), "\"HEAD-REC\"");
    EXPECT_NE(kept.find("\"FILE004P\",\"00002\""), std::string::npos);
    EXPECT_EQ(kept.find("\"FILE004P\",\"00003\""), std::string::npos);

    // A name without ".CSV" keeps its name.
    store_.chooseFile(92);
    store_.ui().choosePath(store_.path("out/shop.txt"));
    EXPECT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 1);
    EXPECT_TRUE(fs::exists(store_.path("out/shop.txt")));
}

TEST_F(XchExport, AProgramFileIsCopiedAsItIsAndCancelsWriteNothing) {
    const std::string out = store_.path("out/FILE005P.CSV");
    store_.chooseFile(5);
    store_.ui().choosePath(out);
    ASSERT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 1);
    EXPECT_EQ(readFile(out), store_.read(5));
    const auto asked = store_.ui().calls().back();
    EXPECT_EQ(asked.folder, tk73::knownFolderPath(tk73::KnownFolder::Documents))
        << "nothing remembered yet";

    // The next export starts in the folder of the last one; cancelling it changes nothing.
    fs::create_directories(store_.path("elsewhere"));
    store_.chooseFile(4);
    store_.ui().choosePath(std::nullopt);
    EXPECT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 0);
    EXPECT_EQ(store_.ui().calls().back().folder, store_.path("out") + "/");
    EXPECT_EQ(exportFolder(store_), store_.path("out"));

    store_.ui().handleDialog("SelectFile",
                             [](tk73::DialogRequest&) { return tk73::Button::Cancel; });
    EXPECT_EQ(CTK73xchExport(-1, 0).ExportExecute(), 0);
    EXPECT_TRUE(store_.messages().empty());

    // A named file exports the shipped default copy.
    char defaults[TK73_MAX_PATH] = {};
    EXPECT_EQ(CTK73pgmPgmFile(store_.storeNo()).CreateDefaultFullPath(4, defaults), 1);
    writeFile(store_.mainteFile(4), "changed in the store");
    store_.ui().choosePath(store_.path("out/DEFAULT.CSV"));
    ASSERT_EQ(CTK73xchExport(4, 0).ExportExecute(), 1);
    EXPECT_EQ(readFile(store_.path("out/DEFAULT.CSV")), readFile(defaults));
}

}  // namespace
