#include "tests/programs/scenario_run.h"

#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/running_program.h"
#include "tests/programs/suite_program.h"

namespace tk73test {

namespace {

// Sets environment variables for the life of the object.
class Variables {
  public:
    void set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    ~Variables() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace

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
        Variables variables;
        variables.set("LD_PRELOAD", tk73::runningProgramFolder() + "/" + start.library);
        // The sanitizer's runtime comes with the program; the preloaded library only asks
        // to be loaded before it.
        const char* sanitizer = std::getenv("ASAN_OPTIONS");
        variables.set("ASAN_OPTIONS", std::string(sanitizer != nullptr ? sanitizer : "") +
                                          ":verify_asan_link_order=0");
        variables.set("TK73_AGENT_SCENARIO", start.scenario);
        variables.set("TK73_AGENT_REPORT", start.report);
        if (!start.pictures.empty()) {
            variables.set("TK73_AGENT_PICTURES", start.pictures);
        }
        for (const auto& [name, value] : start.arguments) {
            variables.set("TK73_AGENT_ARG_" + name, value);
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
