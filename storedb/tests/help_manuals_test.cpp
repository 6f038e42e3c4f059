#include "storedb/help_manuals.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using tk73store::pgmFileManualName;
using tk73store::toolManualName;
using tk73test::TempEnvironment;

TEST(ManualNames, FollowTheToolTheSettingAndTheUserMode) {
    EXPECT_EQ(toolManualName(false, 0, 2), "TK73TOOL.pdf");
    EXPECT_EQ(toolManualName(false, 1, 0), "VEK_ECRNET.pdf");
    EXPECT_EQ(toolManualName(false, 1, 2), "VEK_ECRPRO.pdf");
    // Above 2 the register tool works as in mode 0.
    EXPECT_EQ(toolManualName(false, 1, 7), "VEK_ECRNET.pdf");
    EXPECT_EQ(toolManualName(true, 0, 3), "ECR_VEKSPL.pdf");
    EXPECT_EQ(toolManualName(true, 0, 4), "ECR_VEKPRO.pdf");
    // The controller tool takes every mode but 4 as 3.
    EXPECT_EQ(toolManualName(true, 0, 2), "ECR_VEKSPL.pdf");
    EXPECT_EQ(toolManualName(true, 1, 0), "VEK_SPLMOD.pdf");
    EXPECT_EQ(toolManualName(true, 1, 4), "VEK_PROMOD.pdf");

    EXPECT_EQ(pgmFileManualName(1, 301), "DT_HA/VEK.htm");
    EXPECT_EQ(pgmFileManualName(0, 301), "DT_HB/ECR.htm");
    EXPECT_EQ(pgmFileManualName(0, 420), "DT_HC/ECR.htm");
}

class ShowingManuals : public ::testing::Test {
  protected:
    void SetUp() override {
        opened_ = environment_.temp().path("opened.txt");
        const std::string opener = environment_.temp().path("opener.sh");
        TempEnvironment::writeFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + opened_ + "\"\n");
        chmod(opener.c_str(), 0755);
        setenv("TK73_OPENER", opener.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TK73_OPENER");
        AecrbsSetCurrentVekSetting(0, 0);
    }

    // What the opener was handed; it runs detached, so its file may take a moment.
    std::string opened() const {
        for (int wait = 0; wait < 200; ++wait) {
            const std::string text = TempEnvironment::readFile(opened_);
            if (!text.empty()) {
                return text;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }

    storetest::StoreTestEnvironment environment_;
    tk73test::ScriptedUserInteraction ui_;
    std::string opened_;
};

TEST_F(ShowingManuals, HandTheManualOfTheInstallationToItsProgram) {
    TempEnvironment::writeFile(environment_.temp().path("install/DOCUMENT/DT_HB/ECR.htm"), "<p/>");
    EXPECT_EQ(CTK73hlp().ShowHelpPgmFileManual(301), 1);
    EXPECT_EQ(opened(), environment_.temp().path("install/DOCUMENT/DT_HB/ECR.htm"));
    EXPECT_TRUE(ui_.calls().empty());
}

TEST_F(ShowingManuals, AMissingManualOrOpenerShowsTheHelpMessage) {
    TempEnvironment::writeFile(environment_.temp().path("install/DOCUMENT/TK73TOOL.pdf"), "%PDF");
    AecrbsSetCurrentVekSetting(1, 0);
    EXPECT_EQ(CTK73hlp().ShowHelpToolManual(), 0);  // VEK_ECRPRO.pdf is not installed
    AecrbsSetCurrentVekSetting(0, 0);
    setenv("TK73_OPENER", environment_.temp().path("no-such-opener").c_str(), 1);
    EXPECT_EQ(CTK73hlp().ShowHelpToolManual(), 0);
    // The desktop's own opener, on a desktop that has no program for PDF files: the opener
    // would start and fail out of sight.
    unsetenv("TK73_OPENER");
    const std::string bin = environment_.temp().path("bin");
    std::filesystem::create_directories(bin);
    TempEnvironment::writeFile(
        bin + "/xdg-mime", "#!/bin/sh\n[ \"$2\" = filetype ] && echo application/pdf\nexit 0\n");
    TempEnvironment::writeFile(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
    chmod((bin + "/xdg-mime").c_str(), 0755);
    chmod((bin + "/xdg-open").c_str(), 0755);
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    setenv("PATH", (bin + ":" + path).c_str(), 1);
    EXPECT_EQ(CTK73hlp().ShowHelpToolManual(), 0);
    setenv("PATH", path.c_str(), 1);

    const std::vector<tk73test::RecordedInteraction> calls = ui_.calls();
    ASSERT_EQ(calls.size(), 3u);
    for (const tk73test::RecordedInteraction& call : calls) {
        EXPECT_EQ(call.text, "Can not show help.");
        EXPECT_EQ(call.caption, "ECR Setting Tool for LMX, RZ series");
        EXPECT_EQ(call.icon, tk73::MessageIcon::Error);
    }
}

}  // namespace
