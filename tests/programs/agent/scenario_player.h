#pragma once
// The agent's player of scenarios (program_agent.h): the scenarios a library registered as it
// was loaded, the steps of the one the test named, played from the program's event loop, and
// the report.

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "tests/programs/agent/agent_settings.h"
#include "tests/programs/agent/program_agent.h"

namespace tk73agent {

class ScenarioPlayer {
  public:
    static ScenarioPlayer& instance();

    void add(const std::string& name, Build build);
    void addStep(const std::string& what, StepFunction function, std::chrono::milliseconds limit);

    // Loads the library the settings name and plays their scenario from it, once the program's
    // first event loop runs.
    void start(Settings settings);

    // A setting the test handed over; empty when it gave none.
    std::string setting(const std::string& name) const;
    // Writes a line into the report (to the error output when the test named none).
    void write(const std::string& line) const;
    // What the step being played does, for the report.
    std::string currentStep() const;

  private:
    struct Step {
        std::string what;
        StepFunction function;
        std::chrono::milliseconds limit;
    };

    ScenarioPlayer() = default;
    void tick();

    std::map<std::string, Build> scenarios_;
    std::vector<Step> steps_;
    Settings settings_;
    size_t next_ = 0;
    bool begun_ = false;
    bool inStep_ = false;
    std::chrono::steady_clock::time_point since_;
};

}  // namespace tk73agent
