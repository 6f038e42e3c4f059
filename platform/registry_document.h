#pragma once
// The keys and values of one registry hive in memory. Keys are paths below the hive's root
// ("SOFTWARE\KELVO\TK73TOOL\SYSTEM"); keys and value names compare without regard to letter case,
// and a key exists when it or any key below it is present.

#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_hive.h"

namespace tk73 {

// Equality of key paths and value names without regard to (ASCII) letter case.
[[nodiscard]] bool sameRegistryName(std::string_view a, std::string_view b);

struct RegistryNamedValue {
    std::string name;  // empty for the key's default value
    RegistryValue value;
};

struct RegistryKeyEntry {
    std::string path;
    std::vector<RegistryNamedValue> values;
};

class RegistryDocument {
  public:
    [[nodiscard]] bool hasKey(std::string_view key) const;
    const RegistryValue* findValue(std::string_view key, std::string_view name) const;
    // Adds the key when it is not listed yet.
    void addKey(std::string_view key);
    // Adds the key when missing and replaces a value of the same name, whatever its type.
    void setValue(std::string_view key, std::string_view name, const RegistryValue& value);
    const std::vector<RegistryKeyEntry>& keys() const { return keys_; }

  private:
    // The index of the key's entry, or keys_.size() when it is not listed.
    size_t indexOf(std::string_view key) const;
    RegistryKeyEntry& entry(std::string_view key);

    std::vector<RegistryKeyEntry> keys_;
};

}  // namespace tk73
