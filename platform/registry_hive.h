#pragma once
// The two registry hives, each a text file in the format of a registry export:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\KELVO\TK73TOOL\SYSTEM]
//   "InstallPath"="/opt/tk73"
//   "UserMode"=dword:00000002
//
// Keys are given without the hive's root ("SOFTWARE\KELVO\TK73TOOL\SYSTEM"). Keys and value names
// compare without regard to letter case. A missing or damaged file reads as empty and is left as
// it is until the next write replaces it whole (temporary file, flush, rename).
//
// The machine hive's file is TK73_MACHINE_HIVE, else the installation's (/etc/tk73/machine.reg,
// installed_layout.h), else "machine.reg" beside the running program (a build folder); the user
// hive's file is TK73_USER_HIVE, else "tk73/user.reg" in the user's configuration folder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk73 {

enum class Hive { Machine, User };

struct RegistryValue {
    enum class Type { String, Dword };
    Type type = Type::String;
    std::string text;    // for String
    uint32_t dword = 0;  // for Dword
};

// The file that holds the hive.
std::string registryHiveFile(Hive hive);

[[nodiscard]] bool registryKeyExists(Hive hive, std::string_view key);
std::optional<RegistryValue> registryReadValue(Hive hive, std::string_view key,
                                               std::string_view name);
// Writes create the key (and its parents) when missing; false when the file cannot be replaced.
[[nodiscard]] bool registryCreateKey(Hive hive, std::string_view key);
[[nodiscard]] bool registryWriteString(Hive hive, std::string_view key, std::string_view name,
                                       std::string_view text);
[[nodiscard]] bool registryWriteDword(Hive hive, std::string_view key, std::string_view name,
                                      uint32_t value);

}  // namespace tk73
