#pragma once
// Reading the process environment, where the platform finds its overrides and the user's
// folders.

#include <string>
#include <string_view>

namespace tk73 {

// The variable's value; empty when it is unset, so an empty value counts as unset.
std::string environmentValue(const char* name);

// $HOME followed by the relative part ("/.config"), or empty without a home folder.
std::string belowHome(std::string_view relative);

// The user's configuration folder: $XDG_CONFIG_HOME, else $HOME/.config; empty without either.
std::string userConfigFolder();

}  // namespace tk73
