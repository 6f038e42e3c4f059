#include "tests/programs/scenario_run.h"

#include <fstream>

#include "platform/running_program.h"
#include "tests/programs/agent_environment.h"
#include "tests/programs/agent_protocol.h"
#include "tests/programs/suite_program.h"

namespace tk73test {

bool ScenarioRun::finished() const {
    for (const std::string& line : report) {
        if (line == "END") {
            return true;
        }
    }
    return false;
}

std::vector<std::string> ScenarioRun::failures() const {
    std::vector<std::string> found;
    for (const std::string& line : report) {
        if (line.rfind("FAIL", 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

std::string ScenarioRun::summary() const {
    std::string text = "exit code " + std::to_string(exitCode) + "\n";
    for (const std::string& line : report) {
        text += line + "\n";
    }
    return text;
}

ScenarioRun runScenario(const ScenarioStart& start) {
    std::ofstream(start.report, std::ios::trunc).close();
    ScenarioRun run;
    {
        AgentEnvironment agent;
        agent.set(kLibrarySetting, tk73::runningProgramFolder() + "/" + start.library);
        agent.set(kScenarioSetting, start.scenario);
        agent.set(kReportSetting, start.report);
        if (!start.pictures.empty()) {
            agent.set(kPicturesSetting, start.pictures);
        }
        for (const auto& [name, value] : start.arguments) {
            agent.set(kArgumentSetting + name, value);
        }
        SuiteProgram program(start.program, start.programSwitch);
        run.exitCode = program.exitCode(start.limit);
    }
    std::ifstream in(start.report);
    for (std::string line; std::getline(in, line);) {
        run.report.push_back(line);
    }
    return run;
}

}  // namespace tk73test
