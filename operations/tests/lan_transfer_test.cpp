// The transfers of one register or controller: the register's file session against the register
// simulator on loopback, the converter's command lines and result texts for controllers.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "archive/testing/archive_fixture.h"
#include "base/registry_settings.h"
#include "operations/glconv_result_text.h"
#include "operations/ops_sock_register.h"
#include "operations/vek_rs_sock.h"
#include "platform/ini_profile.h"
#include "tools/regsim/register_simulator.h"
#include "tools/veksim/controller_simulator.h"

namespace {

using archivetest::kKR301;
using archivetest::kVK500;
using Files = std::map<std::string, std::string>;

class LanTransfer : public archivetest::ArchiveTest {
  protected:
    struct Outcome {
        int result = 0;
        std::string message;
        std::string detail;
    };

    void select(const Store& store) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", store.number);
        ASSERT_EQ(AecrbsSetDesktopRegister("001", number, "001"), 1);
    }
    std::unique_ptr<tk73regsim::RegisterSimulator> startRegister(const std::string& address,
                                                                 tk73regsim::Fault fault) {
        tk73regsim::Options options;
        options.address = address;
        options.folder = install_.path("register-" + address);
        options.fault = fault;
        options.answerSeconds = 5;
        std::filesystem::create_directories(options.folder);
        auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        std::string error;
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    }
    template <typename Transfer>
    static Outcome run(Transfer transfer, int machineNo, void* caller, const char* address) {
        char message[CTK73opsSockRegister::kMessageRoom] = "stale";
        char detail[CTK73opsSockRegister::kDetailRoom] = "stale";
        Outcome outcome;
        outcome.result = transfer(machineNo, caller, "000", "000", address, message, detail);
        outcome.message = message;
        outcome.detail = detail;
        return outcome;
    }
};

TEST_F(LanTransfer, RegisterSessionSendsTheListedFilesAndReportsABusyRegister) {
    const Store store = makeStore(kKR301);
    select(store);
    CTK73opsSockRegister sending(CTK73opsSockRegister::kSend, {4, 5});
    {
        auto simulator = startRegister("127.19.1.1", tk73regsim::Fault::None);
        const Outcome sent = run(CTK73opsSockRegister::RunSendJC, 0, &sending, "127.19.1.1");
        EXPECT_EQ(sent.result, 1);
        EXPECT_EQ(sent.message, "Normal End.");
        const auto report = simulator->nextReport(30);
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->workKind, 1);
        EXPECT_EQ(report->files, (std::vector<int>{4, 5}));
        EXPECT_TRUE(std::filesystem::exists(
            tk73regsim::storedFile(install_.path("register-127.19.1.1"), 4)));
    }
    auto busy = startRegister("127.19.1.2", tk73regsim::Fault::Busy);
    const Outcome refused = run(CTK73opsSockRegister::RunSendJC, 0, &sending, "127.19.1.2");
    EXPECT_EQ(refused.result, -1);
    EXPECT_EQ(refused.message, "Register communication error End.(The register is busy.)");
    EXPECT_EQ(refused.detail, "");
}

TEST_F(LanTransfer, ModelCodesOfKnownAndUnknownRegisters) {
    EXPECT_EQ(CTK73opsSockRegister::ConvertRegModelNoToRmCode(kKR301), "KR3010");
    EXPECT_EQ(CTK73opsSockRegister::ConvertRegModelNoToRmCode(999), "000000");
}

TEST_F(LanTransfer, ConverterCommandLinesForTextDataAndConvertedFiles) {
    std::string line;
    std::string text;
    std::string converted;
    CVekRSSock::CreateGlconvCmdLine(line, "S", 2, 3, "/p", "\"/d/VK500.INI\"", 0, 0, text,
                                    converted);
    EXPECT_EQ(line, "S \"/p/FILE003P.TXT\" 3 -t2 -li -d\"/d/VK500.INI\" -T");
    EXPECT_EQ(text, "/p/FILE003P.TXT");
    CVekRSSock::CreateGlconvCmdLine(line, "R", 12, 140, "/p", "\"D\"", 1, 0, text, converted);
    EXPECT_EQ(line, "R \"/p/FILE140P.DAT\" 140 -t12 -li -d\"D\"");
    CVekRSSock::CreateGlconvCmdLine(line, "S", 1, 7, "/p", "\"D\"", 0, 1, text, converted);
    EXPECT_EQ(line, "S \"/p/S_FILE007P.TXT\" 7 -t1 -li -d\"D\" -T");
    EXPECT_EQ(text, "/p/FILE007P.TXT");
    EXPECT_EQ(converted, "/p/S_FILE007P.TXT");
    // A folder named with backslashes keeps them, as every path the suite joins does.
    CVekRSSock::CreateGlconvCmdLine(line, "S", 1, 7, "C:\\Store\\MAINTE\\", "\"D\"", 0, 1, text,
                                    converted);
    EXPECT_EQ(line, "S \"C:\\Store\\MAINTE\\S_FILE007P.TXT\" 7 -t1 -li -d\"D\" -T");
    EXPECT_EQ(text, "C:\\Store\\MAINTE\\FILE007P.TXT");
}

TEST_F(LanTransfer, ResultTextsNameTheControllerAndEveryCodeHasItsOwn) {
    EXPECT_EQ(tk73ops::glconvResultText(4600, true), "JobCommand : VEK is busy");
    EXPECT_EQ(tk73ops::glconvResultText(4600, false), "JobCommand : ECR is busy");
    EXPECT_EQ(tk73ops::glconvResultText(104, true), "from VEK. Different machine.");
    EXPECT_EQ(tk73ops::glconvResultText(0, false), "Normal End");
    EXPECT_EQ(tk73ops::glconvResultText(9999, false), "Unknown error code or environment error");
    EXPECT_EQ(tk73ops::glconvResultText(1002, true),
              "No File information in the profile(glprof.ini)");
    int known = 0;
    for (int code = -5; code <= 10001; ++code) {
        known += tk73ops::glconvResultText(code, false) != "Unknown error" ? 1 : 0;
    }
    EXPECT_EQ(known, 117);
    EXPECT_EQ(tk73ops::glconvResultText(3, false), "Unknown error");
}

TEST_F(LanTransfer, ControllerFilesRoundTripPlainAndArabicAndABusyControllerStopsTheFirstFile) {
    const Store store = makeStore(kKR301, kVK500);
    select(store);
    const std::string mainte = archivetest::StagedInstallation::mainteFolder(store.number, 1);
    const std::string definition =
        archivetest::StagedInstallation::definitionFile(store.number, "VK500", 1);
    const std::vector<uint32_t> files = {4, 5, 7, 28};
    Files original = archivetest::StagedInstallation::folderFiles(mainte);
    const auto before = std::filesystem::current_path();
    for (bool arabic : {false, true}) {
        SCOPED_TRACE(arabic);
        if (arabic) {
            install_.switchArabicOn();
            // Latin accents have no place in the controller's code page; the sample's texts
            // keep to letters it has.
            for (auto& [name, bytes] : original) {
                for (char& c : bytes) {
                    c = static_cast<unsigned char>(c) >= 0x80 ? 'e' : c;
                }
                write(mainte + "/" + name, bytes);
            }
        }
        const std::string address = arabic ? "127.19.2.2" : "127.19.2.1";
        tk73veksim::Options options;
        options.address = address;
        options.folder = install_.path("controller-" + address);
        std::filesystem::create_directories(options.folder);
        tk73veksim::ControllerSimulator controller(options);
        std::string error;
        ASSERT_TRUE(controller.start(&error)) << error;

        CVekRSSock sending(1, {}, files);
        const Outcome sent = run(CVekRSSock::RunSendJCVek, 1, &sending, address.c_str());
        EXPECT_EQ(sent.result, 1);
        EXPECT_EQ(sent.message, "Normal End.");
        // The controller is machine 2 (list index 1); its address went into the definition.
        char written[64] = {};
        tk73_GetPrivateProfileStringA("TCP/IP", "ECR02", "", written, sizeof written,
                                      definition.c_str());
        EXPECT_EQ(std::string(written), address);
        EXPECT_EQ(read(tk73veksim::storedFile(options.folder, 5, true)).size(),
                  original.at("FILE005P.TXT").size());
        for (uint32_t fileNo : files) {
            write(tk73veksim::storedFile(mainte, static_cast<int>(fileNo), true), "lost");
        }
        CVekRSSock receiving(0, {}, files);
        const Outcome received = run(CVekRSSock::RunSendJCVek, 1, &receiving, address.c_str());
        EXPECT_EQ(received.message, "Normal End.");
        EXPECT_EQ(archivetest::StagedInstallation::folderFiles(mainte), original);
        EXPECT_EQ(std::filesystem::current_path(), before);
    }

    tk73veksim::Options options;
    options.address = "127.19.2.3";
    options.folder = install_.path("controller-busy");
    options.busy = true;
    std::filesystem::create_directories(options.folder);
    tk73veksim::ControllerSimulator busy(options);
    std::string error;
    ASSERT_TRUE(busy.start(&error)) << error;
    CVekRSSock sending(1, {}, files);
    const Outcome refused = run(CVekRSSock::RunSendJCVek, 0, &sending, "127.19.2.3");
    EXPECT_EQ(refused.result, -1);
    EXPECT_EQ(refused.message,
              "Register communication error End.(JobCommand : VEK is busy (errno=4600))");
    EXPECT_EQ(refused.detail, "4");
    EXPECT_EQ(busy.transfers(), 1);
}

}  // namespace
