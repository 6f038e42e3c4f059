#pragma once
// Reading values under the registry root of the process, shared by the registry operations and
// the folder operations built on them.

#include <optional>
#include <string>

#include "platform/registry_hive.h"

namespace tk73 {

// The longest key path the registry operations accept.
inline constexpr size_t kMaxRegistryKeyLength = 259;

// The root of the process (chosen by the launch Vek tool flag) followed directly by the suffix;
// nothing when the key would be longer than kMaxRegistryKeyLength.
std::optional<std::string> registryKeyOf(const char* suffix);

// The value under root and suffix; nothing when the key or the value is missing.
std::optional<RegistryValue> readRootValue(Hive hive, const char* suffix, const char* name);

// A string value under root and suffix; empty when it is missing or of another type.
std::string readRootString(Hive hive, const char* suffix, const char* name);

}  // namespace tk73
