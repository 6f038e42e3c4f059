#pragma once
// The environment that makes the programs of the suite a test starts load the agent (agent/):
// the plugin folder and key through which Qt loads it, and the settings that tell it what to do
// (agent_protocol.h): answer requests on a socket in the test's folder (program_remote.h), play
// a scenario (scenario_run.h). Every variable is as it was again once the object goes. The
// agent takes them out of its program's environment, so only the programs the test starts
// itself carry it.

#include <map>
#include <optional>
#include <string>

namespace tk73test {

class AgentEnvironment {
  public:
    // The agent loaded, with nothing asked of it yet.
    AgentEnvironment();
    // The agent loaded and answering requests on a socket in the folder (made when missing).
    explicit AgentEnvironment(const std::string& socketFolder);
    ~AgentEnvironment();
    AgentEnvironment(const AgentEnvironment&) = delete;
    AgentEnvironment& operator=(const AgentEnvironment&) = delete;

    const std::string& socketFolder() const { return folder_; }

    // A setting of the agent, by its name after the prefix (agent_protocol.h).
    void set(const std::string& setting, const std::string& value);

  private:
    void setVariable(const std::string& name, const std::string& value);

    std::string folder_;
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace tk73test
