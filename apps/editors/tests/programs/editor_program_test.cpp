// The setting editors started as the shell starts them, on a staged store, with a scenario of the
// agent played in each (scenarios/editor_scenarios.cpp).

#include <gtest/gtest.h>

#include "apps/editors/testing/staged_store.h"
#include "tests/programs/scenario_run.h"
#include "tests/programs/suite_program.h"

namespace {

constexpr int kKR301 = 301;

tk73test::ScenarioRun play(const tk73test::TempEnvironment& environment, const std::string& program,
                           const std::string& programSwitch, const std::string& scenario) {
    tk73test::ScenarioStart start;
    start.program = tk73test::builtProgram(program);
    start.programSwitch = programSwitch;
    start.library = "libeditor_scenarios.so";
    start.scenario = scenario;
    start.report = environment.path("report.txt");
    start.pictures = TK73_SCREENSHOT_DIR "/programs";
    return tk73test::runScenario(start);
}

TEST(EditorPrograms, TheTaxRateFieldTakesOnlyARate) {
    tk73test::TempEnvironment environment;
    tk73editortest::StagedStore store(environment, kKR301);
    ASSERT_TRUE(store.ready()) << store.error();
    const std::string rates = store.mainte(tk73editortest::kRegister, 25);
    const tk73test::ScenarioRun run = play(environment, "TK73TAX", "/T", "taxRateTakesARateOnly");
    EXPECT_TRUE(run.finished()) << run.summary();
    EXPECT_TRUE(run.failures().empty()) << run.summary();
    EXPECT_EQ(run.exitCode, 0) << run.summary();
    EXPECT_EQ(store.mainte(tk73editortest::kRegister, 25), rates);
}

TEST(EditorPrograms, MessageLinesTakeAQuoteAsABlankAndNotesStayInTheWindow) {
    tk73test::TempEnvironment environment;
    tk73editortest::StagedStore store(environment, kKR301);
    ASSERT_TRUE(store.ready()) << store.error();
    const tk73test::ScenarioRun run =
        play(environment, "TK73RCPT", "/RM", "messageLinesTakeQuotesAsBlanks");
    EXPECT_TRUE(run.finished()) << run.summary();
    EXPECT_TRUE(run.failures().empty()) << run.summary();
    EXPECT_EQ(run.exitCode, 0) << run.summary();
}

}  // namespace
