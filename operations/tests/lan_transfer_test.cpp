// The transfers of one register or controller: the register's file session against the register
// simulator on loopback, the converter's command lines and result texts for controllers.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "archive/tests/archive_fixture.h"
#include "base/registry_settings.h"
#include "operations/glconv_result_text.h"
#include "operations/ops_sock_register.h"
#include "operations/vek_rs_sock.h"
#include "platform/ini_profile.h"
#include "tools/regsim/register_simulator.h"

namespace {

using archivetest::kKR301;
using archivetest::kVK500;

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

TEST_F(LanTransfer, ControllerTransferStopsAtTheFirstFailingFileWithItsText) {
    const Store store = makeStore(kKR301, kVK500);
    select(store);
    const std::string definition =
        archivetest::StagedInstallation::definitionFile(store.number, "VK500", 1);
    const auto before = std::filesystem::current_path();
    // The converter stand-in without a controller link answers 1027.
    CVekRSSock sending(1, {}, {3, 5});
    const Outcome outcome = run(CVekRSSock::RunSendJCVek, 1, &sending, "127.19.2.7");
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.message,
              "Register communication error End.(GLNETDRV not resident (errno=1027))");
    EXPECT_EQ(outcome.detail, "3");
    EXPECT_EQ(std::filesystem::current_path(), before);
    char address[64] = {};
    tk73_GetPrivateProfileStringA("TCP/IP", "ECR02", "", address, sizeof address,
                                  definition.c_str());
    EXPECT_STREQ(address, "127.19.2.7");
}

}  // namespace
