// The flows of the main window with the installation staged and the user scripted: New, the
// question before changed settings are discarded, Exit and the close box, a program that cannot
// be started, the About entry, and the pro layout's store maintenance.

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "apps/shell/hub_texts.h"
#include "apps/shell/pro_layout_extras.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "base/window_values.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/edb_store.h"
#include "storedb/sys_mainte.h"

namespace tk73hub {
namespace {

using tk73test::InteractionKind;

constexpr const char* kTitle = "ECR Setting Tool for LMX/TK series Ver1.00";

// An editor wrote the PLU file after the data was loaded. It starts well after the load; the
// pause keeps the write clear of the file system's coarser clock.
void touchPluFile(hubtest::ShellEnvironment& env) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string file = env.mainteFolder(false) + "/FILE004P.TXT";
    const std::string bytes = hubtest::fileText(file);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(HubNew, MakesTheWorkingStoreAndLoadsIt) {
    hubtest::HubWindow hub(0);
    CHubDlg& window = hub.window();
    EXPECT_EQ(window.windowTitle().toStdString(), kTitle);
    EXPECT_FALSE(window.Button(1012)->isEnabled());

    hub.runNew(301, 501);
    EXPECT_EQ(window.Document().GetState(), 3);
    EXPECT_EQ(window.windowTitle().toStdString(), kTitle);
    EXPECT_TRUE(window.Button(1012)->isEnabled());
    EXPECT_TRUE(window.Button(1011)->hasFocus());
    EXPECT_EQ(window.RegisterModel().modelNo, 301);
    EXPECT_EQ(window.VekModel().modelNo, 501);
    STORE_EDB store;
    ASSERT_EQ(CTK73edbStore().GetStoreFromStoreNo(1, &store), 1);
    EXPECT_EQ(store.vekModelNo, 501);
    EXPECT_TRUE(std::filesystem::exists(hub.env().mainteFolder(true) + "/FILE004P.TXT"));
    // What New copied is not a change of the user's.
    EXPECT_FALSE(window.IsModified());
}

TEST(HubNew, CancellingTheModelChoiceChangesNothing) {
    hubtest::HubWindow hub(0);
    hub.runNew(301, 501);
    touchPluFile(hub.env());
    const std::string edited = hubtest::fileText(hub.env().mainteFolder(false) + "/FILE004P.TXT");

    hub.env().ui().pressButton(tk73::Button::No);  // do not save
    hub.env().ui().handleDialog("SelectModel",
                                [](tk73::DialogRequest&) { return tk73::Button::Cancel; });
    hub.window().OnFileNew();
    EXPECT_EQ(hub.window().Document().GetState(), 3);
    EXPECT_EQ(hubtest::fileText(hub.env().mainteFolder(false) + "/FILE004P.TXT"), edited);
}

TEST(HubDiscard, AChangedFileIsOfferedForSavingBeforeExit) {
    hubtest::HubWindow hub(0);
    hub.runNew(301, 501);
    touchPluFile(hub.env());
    EXPECT_TRUE(hub.window().IsModified());

    hub.env().ui().pressButton(tk73::Button::Cancel);
    hub.press(1033);
    EXPECT_EQ(hub.result(), -2);
    EXPECT_TRUE(hub.window().isVisible());
    const auto questions = hub.env().ui().calls();
    const tk73test::RecordedInteraction& asked = questions.back();
    EXPECT_EQ(asked.kind, InteractionKind::Question);
    EXPECT_EQ(asked.text, "Setting file has modified. Do you want to save it?");
    EXPECT_EQ(asked.caption, kTitle);
    EXPECT_EQ(asked.buttons, tk73::Buttons::YesNoCancel);
    EXPECT_EQ(asked.icon, tk73::MessageIcon::Exclamation);

    // Yes saves: the data has no file yet, so Save As asks for one; cancelling it keeps the data
    // and the window.
    hub.env().ui().pressButton(tk73::Button::Yes);
    hub.env().ui().handleDialog("HubSaveAs",
                                [](tk73::DialogRequest&) { return tk73::Button::Cancel; });
    hub.window().close();
    EXPECT_EQ(hub.result(), -2);

    hub.env().ui().pressButton(tk73::Button::No);
    hub.window().close();
    EXPECT_EQ(hub.result(), 1);
}

TEST(HubDiscard, AChangeOfTheControllerCountsToo) {
    hubtest::HubWindow hub(0);
    hub.runNew(301, 501);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string file = hub.env().mainteFolder(true) + "/FILE004P.TXT";
    const std::string bytes = hubtest::fileText(file);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_TRUE(hub.window().IsModified());
}

TEST(HubDiscard, NothingIsAskedWithoutDataOrChange) {
    hubtest::HubWindow hub(0);
    hub.press(1033);
    EXPECT_EQ(hub.result(), 1);
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Question).empty());
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());
}

TEST(HubLaunch, AProgramThatIsNotThereIsReported) {
    hubtest::HubWindow hub(0);
    const ToolRow* keys = nullptr;
    for (const ToolRow& row : toolTable(HubLayout::Default)) {
        keys = row.controlId == 1015 ? &row : keys;
    }
    ASSERT_NE(keys, nullptr);
    CHubDlg& window = hub.window();
    EXPECT_TRUE(window.LaunchProgram(*keys));
    ASSERT_TRUE(hubtest::waitFor([&] { return !window.IsLaunching(); }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(tk73::mainWindowValue(), 0u);
    const auto messages = hub.env().ui().textsOf(InteractionKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Failed to execute " + hub.env().temp().path("Program Files/bin") + "/TK73KEYS /T.");
    EXPECT_EQ(hub.env().ui().calls().back().icon, tk73::MessageIcon::Error);
    EXPECT_EQ(hub.env().ui().calls().back().caption, kTitle);
}

TEST(HubStart, UserModeSevenRunsTheDefaultLayout) {
    hubtest::HubWindow hub(7);
    EXPECT_EQ(hub.env().storedUserMode(), 7u);
    EXPECT_EQ(hub.window().Layout(), HubLayout::Default);
    EXPECT_EQ(hub.app().UserMode(), 0u);
    EXPECT_EQ(tk73::currentWindowValue(), 0u);
    EXPECT_EQ(tk73::mainWindowValue(), 0u);
}

TEST(HubAbout, ShowsTheProgramVersion) {
    hubtest::HubWindow hub(0);
    hub.window().OnAbout();
    ASSERT_EQ(hub.env().ui().textsOf(InteractionKind::Message), std::vector<std::string>{kTitle});
    EXPECT_EQ(hub.env().ui().calls().back().icon, tk73::MessageIcon::Information);
}

TEST(HubPro, InitialisingTheDatabaseLeavesNoStoreSelected) {
    hubtest::HubWindow hub(2);
    CHubDlg& window = hub.window();
    window.Document().SetState(3);
    hub.env().ui().handleDialog("SysMainte", [](tk73::DialogRequest& request) {
        auto& mainte = static_cast<tk73store::SysMainteRequest&>(request);
        return mainte.maintenance.accept("") ? tk73::Button::Ok : tk73::Button::Cancel;
    });
    hub.env().ui().pressButton(tk73::Button::Ok);  // "Are you sure to start clear system?"
    auto* extras = dynamic_cast<ProLayoutExtras*>(window.Extras());
    ASSERT_NE(extras, nullptr);
    extras->OnInitialize();
    EXPECT_EQ(window.Document().GetState(), 1);
    EXPECT_EQ(window.CurrentStore(), 999);
    ASSERT_TRUE(hubtest::waitFor([&] {
        const auto messages = hub.env().ui().textsOf(InteractionKind::Message);
        return !messages.empty() && messages.back() == text::kAfterInitialize;
    }));
}

// The store configuration's copy of the default program files: the register's alone, then both;
// a controller folder that cannot be made is reported to the user, the register's files still
// copied.
TEST(HubPro, TheStoreConfigurationGetsDefaultProgramFiles) {
    hubtest::HubWindow hub(2);
    STORE_EDB store;
    store.storeNo = 3;
    store.storeName = "Coffee bar";
    store.regModelNo = 301;
    store.vekModelNo = 501;
    store.vekLinkage = '0';
    ASSERT_EQ(CTK73edbStore().AddStore(store), 1);
    ASSERT_EQ(CTK73defReg("KR301", 3, 0).CopyDefaultIniFileToDbIniFile(0), 1);
    ASSERT_EQ(CTK73defReg("VK500", 3, 1).CopyDefaultIniFileToDbIniFile(0), 1);
    tk73store::NotifyCopyPgmFiles(3, tk73store::kCopyPgmFilesRegister);
    char regFolder[TK73_MAX_PATH] = {};
    ASSERT_NE(CTK73pgmPgmFile(3).GetMaintePath(regFolder, 0), 0);
    EXPECT_TRUE(std::filesystem::exists(std::string(regFolder) + "/FILE004P.TXT"));
    char vekFolder[TK73_MAX_PATH] = {};
    ASSERT_NE(CTK73pgmVekPgmFile(3).GetMaintePath(vekFolder, 0), 0);
    EXPECT_FALSE(std::filesystem::exists(std::string(vekFolder) + "/FILE004P.TXT"));
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).empty());

    // A file under the controller folder's name: the folder cannot be made.
    std::ofstream(vekFolder) << "in the way";
    std::filesystem::remove(std::string(regFolder) + "/FILE004P.TXT");
    tk73store::NotifyCopyPgmFiles(3, tk73store::kCopyPgmFilesBoth);
    EXPECT_TRUE(std::filesystem::exists(std::string(regFolder) + "/FILE004P.TXT"));
    ASSERT_EQ(hub.env().ui().textsOf(InteractionKind::Message),
              std::vector<std::string>{text::kDefaultFilesNotCopied});
    EXPECT_EQ(hub.env().ui().calls().back().icon, tk73::MessageIcon::Error);

    std::filesystem::remove(vekFolder);
    tk73store::NotifyCopyPgmFiles(3, tk73store::kCopyPgmFilesBoth);
    EXPECT_TRUE(std::filesystem::exists(std::string(vekFolder) + "/FILE004P.TXT"));
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Message).size(), 1u);
}

}  // namespace
}  // namespace tk73hub
