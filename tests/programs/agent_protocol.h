#pragma once
// What a test and the agent inside a program of the suite (agent/) agree on.
//
// The test hands the agent its settings in environment variables: the setting's name after
// kSettingPrefix. The agent takes them out of its program's environment as it starts, together
// with the variables through which Qt loaded it, so that the programs this one starts run
// plainly.
//
// The remote requests go over a local socket, one request line and one answer line. A line is
// fields separated by tabs; a backslash, tab or line break inside a field is written "\\", "\t"
// or "\n". An answer's first field is "ok" or "error", the rest its values (or the error's text).

#include <string>
#include <vector>

namespace tk73test {

// Qt loads the agent as the generic plugin of this key from a generic/ folder on the plugin path.
constexpr const char* kGenericPluginsVariable = "QT_QPA_GENERIC_PLUGINS";
constexpr const char* kPluginPathVariable = "QT_PLUGIN_PATH";
constexpr const char* kAgentPluginKey = "tk73agent";

constexpr const char* kSettingPrefix = "TK73_AGENT_";
// The folder of the agents' sockets: the agent answers requests there.
constexpr const char* kSocketsSetting = "SOCKETS";
// The scenario library's path, the scenario the agent plays from it, the report it writes and
// the folder of its pictures; each argument of the scenario is kArgumentSetting and its name.
constexpr const char* kLibrarySetting = "LIBRARY";
constexpr const char* kScenarioSetting = "SCENARIO";
constexpr const char* kReportSetting = "REPORT";
constexpr const char* kPicturesSetting = "PICTURES";
constexpr const char* kArgumentSetting = "ARG_";

std::string encodeFields(const std::vector<std::string>& fields);
std::vector<std::string> decodeFields(const std::string& line);

// Where the agent of the program with this process id listens, in the agent folder.
std::string agentSocket(const std::string& folder, unsigned long pid);

}  // namespace tk73test
