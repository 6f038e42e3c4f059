// The pro layout's "Send to LAN" and "Recv. from LAN": the registers are found on the LAN (two
// register simulators on loopback addresses of their own), one of them is busy at first and is
// run again alone, and a set menu fetched in its old format version ends in the current one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "apps/shell/hub_texts.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "base/install_folders.h"
#include "definitions/def_reg.h"
#include "landialogs/lan_run.h"
#include "landialogs/lan_select.h"
#include "network/file_conversion.h"
#include "platform/api.h"
#include "platform/ini_profile.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_file.h"
#include "tools/regsim/register_simulator.h"

namespace tk73hub {
namespace {

using tk73::Button;
using tk73lan::LanRunRequest;
using tk73lan::LanSelectRequest;

constexpr int kSendToLan = 1026;
constexpr int kRecvFromLan = 1027;
constexpr const char* kFirst = "127.19.7.1";
constexpr const char* kSecond = "127.19.7.2";

std::map<std::string, std::string> filesOf(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = hubtest::fileText(entry.path().string());
    }
    return files;
}

class HubLan : public ::testing::Test {
  protected:
    std::unique_ptr<tk73regsim::RegisterSimulator> startRegister(
        const std::string& address, tk73regsim::Fault fault = tk73regsim::Fault::None) {
        tk73regsim::Options options;
        options.address = address;
        options.folder = folderOf(address);
        options.fault = fault;
        options.answerSeconds = 5;
        std::filesystem::create_directories(options.folder);
        auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        std::string error;
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    }
    std::string folderOf(const std::string& address) {
        return hub_.env().temp().path("register-" + address);
    }
    // The select dialog searches and takes every register it found.
    void chooseAllFound() {
        hub_.env().ui().handleDialog(std::string(LanSelectRequest::kName),
                                     [](tk73::DialogRequest& request) {
                                         auto& select = dynamic_cast<LanSelectRequest&>(request);
                                         select.search(false);
                                         EXPECT_EQ(select.machines().size(), 2u);
                                         select.checkAll(true);
                                         return Button::Ok;
                                     });
    }

    hubtest::HubWindow hub_{2};
};

TEST_F(HubLan, SendsToBothFoundRegistersRetriesTheBusyOneAndReceivesAnOldSetMenu) {
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine,
                                          "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\LAN",
                                          "BroadcastAddress", std::string(kFirst) + "," + kSecond));
    const int storeNo = hub_.selectNewStore("LAN shop", 301, 0);
    ASSERT_GT(storeNo, 0);
    const CTK73pgmPgmFile locations(storeNo);
    ASSERT_EQ(locations.CopyPgmFileDefaultToMainte(-1, 1), 1);
    char mainte[TK73_MAX_PATH] = {};
    ASSERT_NE(locations.GetMaintePath(mainte, 0), 0);
    // This store also exchanges its set menu over the LAN.
    char definition[TK73_MAX_PATH] = {};
    ASSERT_EQ(CTK73defReg("KR301", storeNo, 0).GetDbIniFilePath(definition), 1);
    ASSERT_NE(tk73_WritePrivateProfileStringA("PGMFILES_EZ", "FILES", "4,5,28", definition), 0);

    auto first = startRegister(kFirst);
    auto second = startRegister(kSecond, tk73regsim::Fault::Busy);
    chooseAllFound();
    hub_.env().ui().handleDialog(
        std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
            auto& run = dynamic_cast<LanRunRequest&>(request);
            run.executeAll();
            EXPECT_EQ(run.outcomeOfAll(), "Error end some of Controler box.");
            const size_t busy = run.firstFailed();
            EXPECT_EQ(run.tasks().at(busy).ipAddress, kSecond);
            second.reset();
            second = startRegister(kSecond);
            run.executeOne(busy);
            EXPECT_TRUE(run.allDone());
            run.endCode = LanRunRequest::kAllDone;
            return Button::Ok;
        });
    hub_.press(kSendToLan);
    const auto sent = filesOf(folderOf(kFirst));
    EXPECT_EQ(sent.size(), 3u);
    EXPECT_EQ(filesOf(folderOf(kSecond)), sent);
    const std::string packed = hub_.env().temp().path("packed.bin");
    for (int fileNo : {4, 5, 28}) {
        ASSERT_EQ(TK73ssl_PackBinFile(packed.c_str(), fileNo), 1);
        EXPECT_EQ(hubtest::fileText(packed), sent.at(tk73regsim::fileId(fileNo) + ".BIN"));
    }

    // The first register still keeps its set menu in version 0.
    const std::string current = hubtest::fileText(std::string(mainte) + "/FILE028P.TXT");
    char registers[TK73_MAX_PATH] = {};
    AecrbsGetTK73RegisterPath(registers);
    const std::string old =
        hubtest::fileText(std::string(registers) + "/KR301/OLDVERSION/FILE028P.TXT");
    { std::ofstream(std::string(mainte) + "/FILE028P.TXT", std::ios::binary) << old; }
    ASSERT_EQ(TK73ssl_PackBinFile(tk73regsim::storedFile(folderOf(kFirst), 28).c_str(), 28), 1);
    { std::ofstream(std::string(mainte) + "/FILE028P.TXT", std::ios::binary) << ""; }
    chooseAllFound();
    hub_.env().ui().handleDialog(
        std::string(LanRunRequest::kName), [&](tk73::DialogRequest& request) {
            auto& run = dynamic_cast<LanRunRequest&>(request);
            // Only the first register is asked.
            const size_t row = run.tasks().at(0).ipAddress == kFirst ? 0 : 1;
            run.executeOne(row);
            EXPECT_EQ(run.tasks().at(row).ipAddress, kFirst);
            EXPECT_EQ(run.tasks().at(row).result, "Normal End.");
            run.endCode = LanRunRequest::kLeftWithFailures;
            return Button::Cancel;
        });
    hub_.press(kRecvFromLan);
    EXPECT_EQ(hubtest::fileText(std::string(mainte) + "/FILE028P.TXT"), current);
}

TEST_F(HubLan, AStoreThatCannotBeMadeCurrentIsNeitherSentNorReceived) {
    ASSERT_GT(hub_.selectNewStore("LAN shop", 301, 0), 0);
    const size_t shownBefore = hub_.env().ui().textsOf(tk73test::InteractionKind::Message).size();
    const std::string hive = std::getenv("TK73_USER_HIVE");
    // The user's settings cannot be saved: their folder cannot be made.
    setenv("TK73_USER_HIVE", "/proc/tk73-unwritable/user.reg", 1);
    hub_.press(kSendToLan);
    hub_.press(kRecvFromLan);
    setenv("TK73_USER_HIVE", hive.c_str(), 1);
    const auto shown = hub_.env().ui().textsOf(tk73test::InteractionKind::Message);
    EXPECT_EQ(std::vector<std::string>(shown.begin() + static_cast<long>(shownBefore), shown.end()),
              std::vector<std::string>(2, text::kStoreNotCurrent));
    const auto dialogs = hub_.env().ui().textsOf(tk73test::InteractionKind::Dialog);
    EXPECT_EQ(std::count(dialogs.begin(), dialogs.end(), std::string(LanSelectRequest::kName)), 0);
}

}  // namespace
}  // namespace tk73hub
