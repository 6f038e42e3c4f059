// The shell's CSV buttons in every layout, offscreen, on the store the layout works on: Import
// CSV replaces a program file of the store's register and then offers the merge with the
// store's controller; Export CSV writes the chosen program file or the data integration file.
// The layouts keep both rows off their face, so the test presses the rows as their buttons do.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/shell/tests/hub_window_fixture.h"
#include "apps/shell/tool_table.h"
#include "base/registry_settings.h"
#include "csvexchange/xch_file_select.h"
#include "platform/api.h"
#include "programfiles/merge_dialog_request.h"
#include "programfiles/pgm_file.h"
#include "programfiles/pgm_import_range.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_store.h"

namespace tk73hub {
namespace {

namespace fs = std::filesystem;
using tk73::Button;

constexpr int kImportCsv = 1056;
constexpr int kExportCsv = 1057;

// A shell in the mode with a store of register model 301 and controller 501 loaded.
class CsvFlows : public ::testing::TestWithParam<uint32_t> {
  protected:
    CsvFlows() : hub_(GetParam()) {
        if (GetParam() == 2) {
            store_ = hub_.selectNewStore("Corner Market", 301, 501);
            // As the store bar's dialog makes its choice the desktop's current store.
            char number[8];
            std::snprintf(number, sizeof number, "%03d", store_);
            EXPECT_EQ(AecrbsSetDesktopRegister("000", number, "999"), 1);
            EXPECT_EQ(CTK73pgmPgmFile(store_).CopyPgmFileDefaultToMainte(-1, 1), 1);
            EXPECT_EQ(CTK73pgmVekPgmFile(store_).CopyPgmFileDefaultToMainte(-1, 1), 1);
        } else {
            hub_.runNew(301, 501);
            store_ = 1;
        }
        EXPECT_EQ(hub_.window().CurrentStore(), store_);
        fs::create_directories(hub_.env().temp().path("csv"));
        STORE_EDB store;
        EXPECT_EQ(CTK73edbStore().GetStoreFromStoreNo(store_, &store), 1);
        withController_ = store.vekModelNo != 0;
        EXPECT_TRUE(withController_ || GetParam() == 1) << "only the stand-alone register is alone";
        shownBefore_ = messages().size();
    }

    tk73test::ScriptedUserInteraction& ui() { return hub_.env().ui(); }

    std::string regFile(int fileNo) const {
        char path[TK73_MAX_PATH] = {};
        // The path whether or not the file exists.
        (void)CTK73pgmPgmFile(store_).CreateMainteFullPath(fileNo, path);
        return path;
    }
    std::string vekFile(int fileNo) const {
        char path[TK73_MAX_PATH] = {};
        (void)CTK73pgmVekPgmFile(store_).CreateMainteFullPath(fileNo, path);
        return path;
    }
    std::string csv(const std::string& name) { return hub_.env().temp().path("csv/" + name); }

    // Presses the row of the control as its button's click does.
    void press(int controlId) {
        for (const ToolRow& row : toolTable(hub_.window().Layout())) {
            if (row.controlId == controlId) {
                hub_.window().PressTool(row);
                return;
            }
        }
        ADD_FAILURE() << "no row " << controlId;
    }

    void chooseFile(int fileNo) {
        ui().handleDialog(std::string(tk73xch::FileSelectRequest::kName),
                          [fileNo](tk73::DialogRequest& request) {
                              dynamic_cast<tk73xch::FileSelectRequest&>(request).fileNo = fileNo;
                              return Button::Ok;
                          });
    }

    // The messages since the store was loaded.
    std::vector<std::string> messages() {
        std::vector<std::string> all = hub_.env().ui().textsOf(tk73test::InteractionKind::Message);
        return {all.begin() + static_cast<long>(std::min(shownBefore_, all.size())), all.end()};
    }

    hubtest::HubWindow hub_;
    int store_ = 0;
    // Whether the layout gave the store the controller asked for.
    bool withController_ = false;
    size_t shownBefore_ = 0;
};

TEST_P(CsvFlows, ImportCsvReplacesTheRegistersFileAndOffersTheMerge) {
    std::string bytes = hubtest::fileText(regFile(4));
    bytes.replace(bytes.find("Sourdough loaf  "), 16, "Brioche         ");
    tk73test::TempEnvironment::writeFile(csv("PLU.CSV"), bytes);
    const std::string controller = withController_ ? hubtest::fileText(vekFile(4)) : "";

    chooseFile(4);
    ui().choosePath(csv("PLU.CSV"));
    ui().handleDialog(std::string(tk73pgm::ImportRangeRequest::kName),
                      [](tk73::DialogRequest&) { return Button::Ok; });
    bool pluRecordOneDiffers = false;
    if (withController_) {
        ui().handleDialog(kMergeDialogName, [&](tk73::DialogRequest& request) {
            for (const tagMISMATCHINFO& line :
                 dynamic_cast<CMergeSettingDataRequest&>(request).mismatches) {
                pluRecordOneDiffers =
                    pluRecordOneDiffers || (line.nFileNo == 4 && line.nRecordNo == 1);
            }
            return Button::Cancel;
        });
    }
    press(kImportCsv);
    EXPECT_TRUE(hubtest::fileText(regFile(4)) == bytes);
    if (withController_) {
        EXPECT_TRUE(pluRecordOneDiffers) << "the merge compares the imported file";
        EXPECT_EQ(hubtest::fileText(vekFile(4)), controller) << "the merge was cancelled";
    }
    EXPECT_FALSE(fs::exists(regFile(4) + ".BAK"));
    EXPECT_TRUE(messages().empty()) << ::testing::PrintToString(messages());
}

TEST_P(CsvFlows, AFileThePackerRefusesIsTakenBackAndNoMergeFollows) {
    // The electronic journal is a data file: it is taken whole, and the converter refuses what
    // is no program file.
    const std::string journal = hubtest::fileText(regFile(90));
    tk73test::TempEnvironment::writeFile(csv("JOURNAL.CSV"), "no program file\r\n");
    chooseFile(90);
    ui().choosePath(csv("JOURNAL.CSV"));
    ui().handleDialog(std::string(tk73pgm::ImportRangeRequest::kName),
                      [](tk73::DialogRequest&) { return Button::Ok; });
    press(kImportCsv);
    EXPECT_EQ(hubtest::fileText(regFile(90)), journal);
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back(), "Couldn't read selected file.");
    EXPECT_EQ(ui().calls().back().caption, "Data read");

    // A cancel at the file selection shows nothing and changes nothing.
    const size_t shown = ui().calls().size();
    ui().handleDialog(std::string(tk73xch::FileSelectRequest::kName),
                      [](tk73::DialogRequest&) { return Button::Cancel; });
    press(kImportCsv);
    EXPECT_EQ(ui().calls().size(), shown + 1);
    EXPECT_EQ(hubtest::fileText(regFile(90)), journal);
}

TEST_P(CsvFlows, ExportCsvWritesTheProgramFileOrTheDataIntegrationFile) {
    chooseFile(5);
    ui().choosePath(csv("DEPT.CSV"));
    press(kExportCsv);
    EXPECT_EQ(hubtest::fileText(csv("DEPT.CSV")), hubtest::fileText(regFile(5)));

    chooseFile(92);
    ui().choosePath(csv("SHOP.CSV"));
    press(kExportCsv);
    const std::string integration = hubtest::fileText(csv("SHOP.CSV"));
    EXPECT_EQ(integration.rfind("\"HEAD-REC\",\"", 0), 0u);
    EXPECT_NE(
        integration.find("\r\n\"FILE004P\",\"00001\",\"04012300000075\",\"Sourdough loaf  \""),
        std::string::npos);
    EXPECT_EQ(integration.substr(integration.size() - 11), "\"END-REC\"\r\n");
    EXPECT_TRUE(messages().empty()) << ::testing::PrintToString(messages());
}

INSTANTIATE_TEST_SUITE_P(Layouts, CsvFlows, ::testing::Values(0u, 1u, 2u));

}  // namespace
}  // namespace tk73hub
