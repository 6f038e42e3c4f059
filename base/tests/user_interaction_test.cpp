#include "base/user_interaction.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "base/console_user_interaction.h"
#include "base/run_with_progress.h"
#include "base/testing/scripted_user_interaction.h"

using tk73::Button;
using tk73::Buttons;
using tk73::MessageIcon;
using tk73test::InteractionKind;
using tk73test::ScriptedUserInteraction;

namespace {

struct MergeRequest : tk73::DialogRequest {
    std::string_view dialogName() const override { return "Merge"; }
    int chosenFile = 0;
};

}  // namespace

TEST(ConsoleUserInteraction, LogsEveryPromptAndTakesTheDefaults) {
    std::ostringstream log;
    tk73::ConsoleUserInteraction console(log);
    EXPECT_EQ(console.message("Backup failed.", "Database", MessageIcon::Error), Button::Ok);
    EXPECT_EQ(console.question("Save the changes?", "Shell", Buttons::YesNoCancel, Button::No,
                               MessageIcon::Exclamation),
              Button::No);
    EXPECT_EQ(console.openFile({.title = "Open archive"}), std::nullopt);
    EXPECT_EQ(console.chooseFolder("", "/tmp"), std::nullopt);
    MergeRequest merge;
    EXPECT_EQ(console.showDialog(merge), Button::Cancel);
    const auto caller = std::this_thread::get_id();
    EXPECT_EQ(console.runWithProgress("Database", "System Backup ...", MessageIcon::Application,
                                      [&] { return std::this_thread::get_id() == caller ? 7 : 0; }),
              7);
    EXPECT_EQ(log.str(),
              "Database [error]: Backup failed.\n"
              "Shell [warning]: Save the changes? [Yes/No/Cancel] No\n"
              "Open archive: no file chosen\n"
              "Folder: no folder chosen\n"
              "Merge: cancelled\n"
              "Database: System Backup ...\n");
}

TEST(UserInteractionInstall, ConsoleAnswersUntilOneIsInstalledAndAfterItLeaves) {
    EXPECT_NE(dynamic_cast<tk73::ConsoleUserInteraction*>(&tk73::ui()), nullptr);
    {
        ScriptedUserInteraction scripted;
        EXPECT_EQ(&tk73::ui(), &scripted);
        {
            ScriptedUserInteraction inner;
            EXPECT_EQ(&tk73::ui(), &inner);
        }
        EXPECT_EQ(&tk73::ui(), &scripted);
    }
    EXPECT_NE(dynamic_cast<tk73::ConsoleUserInteraction*>(&tk73::ui()), nullptr);
}

TEST(ScriptedUserInteraction, RecordsEveryCallAndAnswersFromTheScript) {
    ScriptedUserInteraction scripted;
    scripted.pressButton(Button::Yes);
    scripted.choosePath("/media/sd/ECR.092");
    scripted.choosePath(std::nullopt);
    scripted.handleDialog("Merge", [](tk73::DialogRequest& request) {
        static_cast<MergeRequest&>(request).chosenFile = 4;
        return Button::Ok;
    });

    tk73::UserInteraction& ui = tk73::ui();
    EXPECT_EQ(ui.message("Done.", "Backup", MessageIcon::Information), Button::Ok);
    EXPECT_EQ(ui.question("Overwrite?", "Save", Buttons::YesNo, Button::No, MessageIcon::Question),
              Button::Yes);
    EXPECT_EQ(ui.saveFile({.title = "Save archive",
                           .types = {{"ECR Auto PGM file", "*.092"}},
                           .folder = "/media/sd"}),
              "/media/sd/ECR.092");
    EXPECT_EQ(ui.chooseFolder("Backup folder", "/home"), std::nullopt);
    MergeRequest merge;
    EXPECT_EQ(ui.showDialog(merge), Button::Ok);
    EXPECT_EQ(merge.chosenFile, 4);
    EXPECT_EQ(ui.runWithProgress("Database", "System Restore ...", MessageIcon::Application,
                                 [] { return 3; }),
              3);

    const auto calls = scripted.calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Message);
    EXPECT_EQ(calls[0].caption, "Backup");
    EXPECT_EQ(calls[0].icon, MessageIcon::Information);
    EXPECT_EQ(calls[1].buttons, Buttons::YesNo);
    EXPECT_EQ(calls[1].defaultButton, Button::No);
    EXPECT_EQ(calls[1].answer, Button::Yes);
    EXPECT_EQ(calls[2].kind, InteractionKind::SaveFile);
    EXPECT_EQ(calls[2].folder, "/media/sd");
    ASSERT_EQ(calls[2].types.size(), 1u);
    EXPECT_EQ(calls[2].types[0].patterns, "*.092");
    EXPECT_EQ(calls[3].kind, InteractionKind::Folder);
    EXPECT_EQ(calls[3].answer, Button::Cancel);
    EXPECT_EQ(calls[4].text, "Merge");
    EXPECT_EQ(scripted.textsOf(InteractionKind::Progress),
              std::vector<std::string>{"System Restore ..."});
}

TEST(ScriptedUserInteraction, UnexpectedPromptsFailTheTestAndAreCancelled) {
    ScriptedUserInteraction scripted;
    Button answer = Button::None;
    EXPECT_NONFATAL_FAILURE(
        answer = scripted.question("Delete store 5?", "Store", Buttons::OkCancel, Button::Ok,
                                   MessageIcon::Exclamation),
        "unexpected prompt \"Delete store 5?\"");
    EXPECT_EQ(answer, Button::Cancel);

    scripted.choosePath("/tmp/x");
    EXPECT_NONFATAL_FAILURE(answer = scripted.question("Replace?", "", Buttons::YesNo, Button::Yes,
                                                       MessageIcon::Question),
                            "wants a button, the script has a path");
    EXPECT_EQ(answer, Button::No);

    scripted.pressButton(Button::Retry);
    EXPECT_NONFATAL_FAILURE(
        answer = scripted.question("Go on?", "", Buttons::YesNo, Button::Yes, MessageIcon::None),
        "has no button");
    EXPECT_EQ(answer, Button::No);

    MergeRequest merge;
    scripted.handleDialog("Import range", [](tk73::DialogRequest&) { return Button::Ok; });
    EXPECT_NONFATAL_FAILURE(answer = scripted.showDialog(merge), "the script expects");
    EXPECT_EQ(answer, Button::Cancel);
}

TEST(ScriptedUserInteraction, AnswersNeverAskedForFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUserInteraction scripted;
            scripted.pressButton(Button::Ok);
        },
        "1 scripted answer(s) were never asked for");
}

namespace {

struct CallbackSeen {
    uintptr_t context = 0;
    std::thread::id thread;
};

int TK73_API rememberAndAnswer(uintptr_t context, void* argument) {
    auto* seen = static_cast<CallbackSeen*>(argument);
    seen->context = context;
    seen->thread = std::this_thread::get_id();
    return 0x1234;
}

}  // namespace

TEST(AecruiDoModalRPD, WithoutAWindowRunsTheCallbackDirectly) {
    ScriptedUserInteraction scripted;
    CallbackSeen seen;
    EXPECT_EQ(AecruiDoModalRPD(77, "Database", "System Backup ...", rememberAndAnswer, &seen),
              0x1234);
    EXPECT_EQ(seen.context, 77u);
    EXPECT_EQ(seen.thread, std::this_thread::get_id());
    const auto calls = scripted.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, InteractionKind::Progress);
    EXPECT_EQ(calls[0].caption, "Database");
    EXPECT_EQ(calls[0].text, "System Backup ...");
    EXPECT_EQ(calls[0].icon, MessageIcon::Application);
}

TEST(AecruiDoModalRPD, NullCallbackShowsNothing) {
    ScriptedUserInteraction scripted;
    EXPECT_EQ(AecruiDoModalRPD(0, "Database", "x", nullptr, nullptr), 0);
    EXPECT_TRUE(scripted.calls().empty());
}
