#include <gtest/gtest.h>

#include <filesystem>

#include "apps/editors/framework/tests/fixture_store.h"
#include "tests/programs/suite_program.h"

using tk73test::currentWindow;
using tk73test::exitCodeOf;
using tk73test::SuiteProgram;

namespace {

std::string demoProgram() {
    return tk73test::builtProgram("TK73DEMO");
}

}  // namespace

TEST(EditorProcess, StartingTheSameEditorTwiceLeavesOneRunning) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    SuiteProgram first(demoProgram(), "/D");
    ASSERT_NE(first.pid(), 0u);
    ASSERT_TRUE(first.awaitWindow());

    // Another page set of the same editor is the same program: it only raises the first.
    EXPECT_EQ(exitCodeOf(demoProgram(), "/E"), 1);
    EXPECT_EQ(exitCodeOf(demoProgram(), "/D"), 1);
    EXPECT_TRUE(first.running());
    EXPECT_EQ(currentWindow(), first.pid());
    EXPECT_TRUE(first.raise());
}

TEST(EditorProcess, StartsThatCannotShowAPageSetEndWithoutAWindow) {
    tk73test::TempEnvironment environment;
    tk73test::FixtureStore store(environment);
    ASSERT_TRUE(store.ready());
    EXPECT_EQ(exitCodeOf(demoProgram(), ""), 2);
    EXPECT_EQ(exitCodeOf(demoProgram(), "/Q"), 2);
    std::filesystem::remove(store.definitionFile());
    EXPECT_EQ(exitCodeOf(demoProgram(), "/D"), 3);
    EXPECT_EQ(currentWindow(), 0u);
}
