#include "operations/sd_card.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "tests/support/temp_environment.h"

namespace tk73ops {
namespace {

namespace fs = std::filesystem;
using tk73test::InteractionKind;

std::string cardValue() {
    char value[4096] = {};
    AecrbsGetRegistryCurrentUserSystemString(nullptr, value, sizeof value, "SDCARD_DRV");
    return value;
}

// Two media folders as the automounter keeps them: one with two cards and a hidden folder and a
// file that are no volumes, one missing; the variable is restored afterwards.
class SdCardTest : public testing::Test {
  protected:
    SdCardTest() {
        for (const char* folder :
             {"media/user/CARD_B", "media/user/CARD_A", "media/user/.trash", "run/user/STICK"}) {
            fs::create_directories(env_.root() / folder);
        }
        tk73test::TempEnvironment::writeFile(env_.root() / "media/user/notes.txt", "x");
        if (const char* old = std::getenv("TK73_MEDIA_FOLDERS")) {
            saved_ = old;
        }
        setenv("TK73_MEDIA_FOLDERS",
               (env_.path("media/user") + ":" + env_.path("gone") + ":" + env_.path("run/user"))
                   .c_str(),
               1);
    }
    ~SdCardTest() override {
        if (saved_.empty()) {
            unsetenv("TK73_MEDIA_FOLDERS");
        } else {
            setenv("TK73_MEDIA_FOLDERS", saved_.c_str(), 1);
        }
    }

    std::vector<std::string> volumes() const {
        return {env_.path("media/user/CARD_A"), env_.path("media/user/CARD_B"),
                env_.path("run/user/STICK")};
    }

    tk73test::TempEnvironment env_;
    std::string saved_;
};

TEST_F(SdCardTest, OffersTheVolumesAndPreselectsTheCardUsedLast) {
    SdCardChoice open(SdCardUse::Open);
    EXPECT_EQ(open.title(), "Open");
    EXPECT_EQ(open.prompt(), "Please select the SD card written in ECR.");
    EXPECT_EQ(open.folders(), volumes());
    EXPECT_EQ(open.preselected(), 0);

    // The card used last is preselected; a folder used last that is no volume is offered too,
    // after the volumes; one that is gone is not, and the first volume is preselected instead.
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV",
                                                       env_.path("run/user/STICK").c_str()),
              1);
    EXPECT_EQ(SdCardChoice(SdCardUse::Save).preselected(), 2);
    fs::create_directories(env_.root() / "elsewhere");
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV",
                                                       env_.path("elsewhere").c_str()),
              1);
    SdCardChoice save(SdCardUse::Save);
    EXPECT_EQ(save.title(), "Save");
    EXPECT_EQ(save.prompt(), "Please select the SD card you want to save.");
    std::vector<std::string> withLast = volumes();
    withLast.push_back(env_.path("elsewhere"));
    EXPECT_EQ(save.folders(), withLast);
    EXPECT_EQ(save.preselected(), 3);
    fs::remove(env_.root() / "elsewhere");
    EXPECT_EQ(SdCardChoice(SdCardUse::Save).folders(), volumes());
    EXPECT_EQ(SdCardChoice(SdCardUse::Save).preselected(), 0);

    // Without any volume nothing is preselected.
    setenv("TK73_MEDIA_FOLDERS", env_.path("gone").c_str(), 1);
    EXPECT_TRUE(SdCardChoice(SdCardUse::Open).folders().empty());
    EXPECT_EQ(SdCardChoice(SdCardUse::Open).preselected(), -1);
}

TEST_F(SdCardTest, OkWithoutAChoiceWarnsAndOkWithOneKeepsIt) {
    tk73test::ScriptedUserInteraction ui;
    std::string folder = "untouched";
    ui.handleDialog("SdCard", [&](tk73::DialogRequest& request) {
        SdCardChoice& choice = static_cast<SdCardRequest&>(request).choice;
        EXPECT_FALSE(choice.accept(-1, "Open"));
        EXPECT_FALSE(choice.accept(3, "Open"));
        EXPECT_TRUE(choice.chosenFolder().empty());
        EXPECT_EQ(cardValue(), "");
        EXPECT_TRUE(choice.accept(1, "Open"));
        return tk73::Button::Ok;
    });
    ASSERT_EQ(SelectSdCard(SdCardUse::Open, &folder), 1);
    EXPECT_EQ(folder, env_.path("media/user/CARD_B"));
    EXPECT_EQ(cardValue(), env_.path("media/user/CARD_B"));
    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    // The dialog is recorded once it has closed, after the warnings shown while it was open.
    EXPECT_EQ(calls[2].kind, InteractionKind::Dialog);
    for (const size_t warning : {0u, 1u}) {
        EXPECT_EQ(calls[warning].text, "Select the drive letter.");
        EXPECT_EQ(calls[warning].caption, "Open");
        EXPECT_EQ(calls[warning].icon, tk73::MessageIcon::Exclamation);
    }
    EXPECT_EQ(SdCardChoice(SdCardUse::Open).preselected(), 1);
}

TEST_F(SdCardTest, BrowseAddsAnyFolderOnceAndCancelEndsWithoutAChoice) {
    tk73test::ScriptedUserInteraction ui;
    const std::string other = env_.path("elsewhere");
    ui.choosePath(other);
    ui.choosePath(other);
    ui.choosePath(std::nullopt);
    SdCardChoice choice(SdCardUse::Save);
    EXPECT_EQ(choice.browse(0), 3);
    EXPECT_EQ(choice.browse(3), 3);
    EXPECT_EQ(choice.browse(3), -1);
    std::vector<std::string> withOther = volumes();
    withOther.push_back(other);
    EXPECT_EQ(choice.folders(), withOther);
    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Folder);
    EXPECT_EQ(calls[0].folder, env_.path("media/user/CARD_A"));
    EXPECT_EQ(calls[1].folder, other);

    // Cancel gives no folder and leaves the one asked for as it was; the value kept for the next
    // time is only written by OK.
    ui.handleDialog("SdCard", [](tk73::DialogRequest&) { return tk73::Button::Cancel; });
    std::string folder = "untouched";
    EXPECT_EQ(SelectSdCard(SdCardUse::Save, &folder), 0);
    EXPECT_EQ(folder, "untouched");
    EXPECT_EQ(cardValue(), "");
}

}  // namespace
}  // namespace tk73ops
