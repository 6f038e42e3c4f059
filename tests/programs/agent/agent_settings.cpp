#include "tests/programs/agent/agent_settings.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/programs/agent_protocol.h"

extern char** environ;

namespace tk73agent {

Settings takeSettings() {
    Settings settings;
    std::vector<std::string> variables = {tk73test::kGenericPluginsVariable,
                                          tk73test::kPluginPathVariable};
    const size_t prefix = std::strlen(tk73test::kSettingPrefix);
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string assignment = *entry;
        const size_t equals = assignment.find('=');
        if (assignment.rfind(tk73test::kSettingPrefix, 0) == 0 && equals != std::string::npos) {
            variables.push_back(assignment.substr(0, equals));
            settings[assignment.substr(prefix, equals - prefix)] = assignment.substr(equals + 1);
        }
    }
    for (const std::string& variable : variables) {
        ::unsetenv(variable.c_str());
    }
    return settings;
}

}  // namespace tk73agent
