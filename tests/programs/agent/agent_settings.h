#pragma once
// The settings a test handed to the agent through the environment (agent_protocol.h), taken out
// of the program's environment as the agent starts, with the variables that made Qt load it: the
// programs this one starts neither load the agent nor play its scenario.

#include <map>
#include <string>

namespace tk73agent {

// Each setting by its name after the prefix ("SCENARIO", "ARG_CARD").
using Settings = std::map<std::string, std::string>;

Settings takeSettings();

}  // namespace tk73agent
