#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include <filesystem>

#include "apps/editors/framework/editor_application.h"
#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/framework/tests/demo/demo_page_sets.h"
#include "apps/editors/framework/tests/fixture_store.h"
#include "apps/editors/framework/tests/qt_application.h"
#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "base/ui/testing/modal_probe.h"
#include "platform/named_mutex.h"
#include "platform/running_program.h"
#include "platform/window_activation.h"
#include "tests/programs/suite_program.h"

using tk73editor::EditorExit;
using tk73editor::runEditor;
using tk73test::currentWindow;

namespace {

constexpr const char* kProgram = "TK73DEMO";

bool nameTaken(const std::string& name) {
    return tk73::NamedMutex(name).state() == tk73::NamedMutex::State::HeldElsewhere;
}

class EditorStart : public ::testing::Test {
  protected:
    EditorStart() { tk73test::ensureApplication(); }
    ~EditorStart() override {
        AecrbsSetLaunchVekTool(0);
        AecrbsSetCurrentVekSetting(0, 0);
    }

    tk73test::TempEnvironment environment_;
    tk73test::ScriptedUserInteraction script_;
};

}  // namespace

TEST_F(EditorStart, WithoutAKnownPageSetFlagItEndsAtOnce) {
    tk73test::FixtureStore store(environment_);
    ASSERT_TRUE(store.ready());
    const auto demo = tk73editordemo::demoEditor();
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"file.txt"}, {"/X"}, {"/d"}, {"/LAUNCHVEK", "/D"}}) {
        EXPECT_EQ(runEditor(arguments, demo, kProgram), EditorExit::NoPageSet);
    }
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_FALSE(nameTaken("TK73HUB_LAUNCHREGTK73DEMO"));
    EXPECT_EQ(currentWindow(), 0u);
}

TEST_F(EditorStart, WithoutTheStoresDefinitionFileItEndsWithoutAWindow) {
    const auto demo = tk73editordemo::demoEditor();
    // No store at all.
    EXPECT_EQ(runEditor({"/D"}, demo, kProgram), EditorExit::NoStore);

    tk73test::FixtureStore store(environment_);
    ASSERT_TRUE(store.ready());
    std::filesystem::remove(store.definitionFile());
    std::filesystem::create_directory(store.definitionFile());
    EXPECT_EQ(runEditor({"/D"}, demo, kProgram), EditorExit::NoStore);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_FALSE(nameTaken("TK73HUB_LAUNCHREGTK73DEMO"));
}

TEST_F(EditorStart, ASecondStartRaisesTheRunningCopyAndEnds) {
    tk73::NamedMutex running("TK73HUB_LAUNCHREGTK73DEMO");
    ASSERT_EQ(running.state(), tk73::NamedMutex::State::Owned);
    int raised = 0;
    tk73::ActivationEndpoint endpoint([&] {
        ++raised;
        return true;
    });
    EXPECT_EQ(runEditor({"/D"}, tk73editordemo::demoEditor(), kProgram),
              EditorExit::AlreadyRunning);
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    // The controller mode's copy is another program.
    EXPECT_EQ(runEditor({"/D", "/LAUNCHVEK"}, tk73editordemo::demoEditor(), kProgram),
              EditorExit::NoStore);
}

TEST_F(EditorStart, ThePageSetRunsUnderTheNameAndWindowOfTheEditor) {
    tk73test::FixtureStore store(environment_);
    ASSERT_TRUE(store.ready());
    bool nameHeld = false;
    uint32_t window = 0;
    tk73test::whenModal<QDialog>([&](QDialog* dialog) {
        nameHeld = nameTaken("TK73HUB_LAUNCHREGTK73DEMO");
        window = currentWindow();
        EXPECT_EQ(dialog->windowTitle(), "Department");
        dialog->reject();
    });
    EXPECT_EQ(runEditor({"/D"}, tk73editordemo::demoEditor(), kProgram), EditorExit::Ran);
    EXPECT_TRUE(nameHeld);
    EXPECT_EQ(window, tk73::ownWindowHandle());
    EXPECT_EQ(currentWindow(), 0u);
    EXPECT_FALSE(nameTaken("TK73HUB_LAUNCHREGTK73DEMO"));
    EXPECT_TRUE(script_.calls().empty());
}

TEST_F(EditorStart, TheControllersSettingOpensTheControllersFiles) {
    tk73test::FixtureStore store(environment_);
    ASSERT_TRUE(store.ready());
    std::string opened;
    bool nameHeld = false;
    tk73editor::EditorDescription tax;
    tax.vekFlags = tk73editor::VekFlags::FirstTwoFlags;
    tax.pageSets.push_back({"T", [&](tk73editor::PgmMenuContext& context) {
                                opened = context.DefinitionFile();
                                nameHeld = nameTaken("TK73HUB_CURRENTVEKTK73DEMO");
                                return std::make_unique<tk73editor::PageSetDialog>(context,
                                                                                   "Tax table");
                            }});
    tk73test::whenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(runEditor({"/T", "/CURVEKSET"}, tax, kProgram), EditorExit::Ran);
    EXPECT_EQ(opened, store.paths(1).definitionFile);
    EXPECT_TRUE(nameHeld);

    AecrbsSetCurrentVekSetting(0, 0);
    tk73test::whenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(runEditor({"/T"}, tax, kProgram), EditorExit::Ran);
    EXPECT_EQ(opened, store.paths(0).definitionFile);
}

TEST_F(EditorStart, TheLanguageLibraryServesThePageSet) {
    tk73test::FixtureStore store(environment_);
    ASSERT_TRUE(store.ready());
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(tk73::runningProgramFolder() + "/langtest");
    std::string text;
    tk73editor::EditorDescription description;
    description.pageSets.push_back(
        {"D", [&](tk73editor::PgmMenuContext& context) {
             text = tk73editor::editorText(tk73editor::EditorText::ConfirmDefaults);
             return std::make_unique<tk73editor::PageSetDialog>(context, "Department");
         }});
    tk73test::whenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
    const EditorExit exit = runEditor({"/D"}, description, kProgram);
    std::filesystem::current_path(previous);
    EXPECT_EQ(exit, EditorExit::Ran);
    EXPECT_EQ(text, "[JP] Restore defaults?");
    EXPECT_EQ(tk73editor::editorText(tk73editor::EditorText::ConfirmDefaults), "Restore defaults?");
}
