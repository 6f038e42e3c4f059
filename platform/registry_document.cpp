#include "platform/registry_document.h"

#include <algorithm>

namespace tk73 {

namespace {

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool sameRegistryName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(x) == foldCase(y);
           });
}

bool RegistryDocument::hasKey(std::string_view key) const {
    return std::any_of(keys_.begin(), keys_.end(), [key](const RegistryKeyEntry& entry) {
        const std::string_view path = entry.path;
        return sameRegistryName(path, key) ||
               (path.size() > key.size() && path[key.size()] == '\\' &&
                sameRegistryName(path.substr(0, key.size()), key));
    });
}

size_t RegistryDocument::indexOf(std::string_view key) const {
    size_t index = 0;
    while (index < keys_.size() && !sameRegistryName(keys_[index].path, key)) {
        ++index;
    }
    return index;
}

RegistryKeyEntry& RegistryDocument::entry(std::string_view key) {
    const size_t index = indexOf(key);
    if (index == keys_.size()) {
        keys_.push_back(RegistryKeyEntry{std::string(key), {}});
    }
    return keys_[index];
}

const RegistryValue* RegistryDocument::findValue(std::string_view key,
                                                 std::string_view name) const {
    const size_t index = indexOf(key);
    if (index == keys_.size()) {
        return nullptr;
    }
    for (const RegistryNamedValue& value : keys_[index].values) {
        if (sameRegistryName(value.name, name)) {
            return &value.value;
        }
    }
    return nullptr;
}

void RegistryDocument::addKey(std::string_view key) {
    entry(key);
}

void RegistryDocument::setValue(std::string_view key, std::string_view name,
                                const RegistryValue& value) {
    RegistryKeyEntry& target = entry(key);
    for (RegistryNamedValue& existing : target.values) {
        if (sameRegistryName(existing.name, name)) {
            existing.value = value;
            return;
        }
    }
    target.values.push_back(RegistryNamedValue{std::string(name), value});
}

}  // namespace tk73
