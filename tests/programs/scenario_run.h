#pragma once
// A program of the suite started as users start it, with a scenario of the agent
// (agent/program_agent.h) played inside it: the program loads the agent (agent_environment.h),
// which loads the scenario library and plays the scenario with its arguments, all handed over
// through the environment (and no further: the agent takes them out before the program starts
// others); the agent's report is read once the program has ended.

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace tk73test {

struct ScenarioStart {
    std::string program;  // full path
    std::string programSwitch;
    std::string library;  // the scenario library's file name in the folder of the test program
    std::string scenario;
    std::map<std::string, std::string> arguments;
    std::string report;    // the file the agent writes into (made afresh)
    std::string pictures;  // where the scenario's pictures go; none when empty
    std::chrono::milliseconds limit = std::chrono::seconds(90);
};

struct ScenarioRun {
    // The program's exit code; -1 when it did not start or did not end by the limit (it is
    // killed then).
    int exitCode = -1;
    std::vector<std::string> report;

    // Whether the agent got through every step.
    bool finished() const;
    // The lines that report failures.
    std::vector<std::string> failures() const;
    // The whole report with the exit code, for a test's message.
    std::string summary() const;
};

ScenarioRun runScenario(const ScenarioStart& start);

}  // namespace tk73test
