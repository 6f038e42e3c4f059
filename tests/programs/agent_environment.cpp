#include "tests/programs/agent_environment.h"

#include <cstdlib>
#include <filesystem>

#include "platform/running_program.h"
#include "tests/programs/agent_protocol.h"

namespace tk73test {

AgentEnvironment::AgentEnvironment() {
    // The plugin lies in generic/ below this folder, beside the test programs.
    setVariable(kPluginPathVariable, tk73::runningProgramFolder() + "/agent");
    setVariable(kGenericPluginsVariable, kAgentPluginKey);
}

AgentEnvironment::AgentEnvironment(const std::string& socketFolder) : AgentEnvironment() {
    folder_ = socketFolder;
    std::filesystem::create_directories(folder_);
    set(kSocketsSetting, folder_);
}

AgentEnvironment::~AgentEnvironment() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

void AgentEnvironment::set(const std::string& setting, const std::string& value) {
    setVariable(kSettingPrefix + setting, value);
}

void AgentEnvironment::setVariable(const std::string& name, const std::string& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    ::setenv(name.c_str(), value.c_str(), 1);
}

}  // namespace tk73test
