#include <gtest/gtest.h>

#include <filesystem>

#include "apps/editors/framework/tests/fixture_store.h"
#include "tests/programs/suite_program.h"

namespace {

std::string demoProgram() {
    return tk73test::builtProgram("TK73DEMO");
}

}  // namespace

TEST(EditorProcess, StartingTheSameEditorTwiceLeavesOneRunning) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    tk73test::SuiteProgram first(demoProgram(), "/D");
    ASSERT_NE(first.pid(), 0u);
    ASSERT_TRUE(first.awaitWindow());

    // Another page set of the same editor is the same program: it only raises the first.
    EXPECT_EQ(tk73test::exitCodeOf(demoProgram(), "/E"), 1);
    EXPECT_EQ(tk73test::exitCodeOf(demoProgram(), "/D"), 1);
    EXPECT_TRUE(first.running());
    EXPECT_EQ(tk73test::currentWindow(), first.pid());
    EXPECT_TRUE(first.raise());
}

TEST(EditorProcess, StartsThatCannotShowAPageSetEndWithoutAWindow) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    EXPECT_EQ(tk73test::exitCodeOf(demoProgram(), ""), 2);
    EXPECT_EQ(tk73test::exitCodeOf(demoProgram(), "/Q"), 2);
    std::filesystem::remove(store.definitionFile());
    EXPECT_EQ(tk73test::exitCodeOf(demoProgram(), "/D"), 3);
    EXPECT_EQ(tk73test::currentWindow(), 0u);
}
