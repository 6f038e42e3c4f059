#include "tools/defcheck/profile.h"

#include <algorithm>
#include <cctype>

#include "platform/ini_profile.h"

namespace tk73tools {

namespace {

constexpr uint32_t kListLimit = 1u << 22;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string unquoted(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A NUL-separated list of the profile functions, read into a buffer that grows until the list
// fits.
template <typename Read>
std::vector<std::string> readList(Read read) {
    for (uint32_t room = 1u << 14; room <= kListLimit; room *= 4) {
        std::string buffer(room, '\0');
        uint32_t length = read(buffer.data(), room);
        if (length + 2 < room) {
            std::vector<std::string> items;
            for (size_t start = 0; start < length;) {
                size_t end = buffer.find('\0', start);
                items.push_back(buffer.substr(start, end - start));
                start = end + 1;
            }
            return items;
        }
    }
    return {};
}

}  // namespace

Profile::Profile(std::string path, std::string label)
    : path_(std::move(path)), label_(std::move(label)) {}

const Profile::Section& Profile::section(const std::string& name) const {
    const std::string id = upper(name);
    auto known = sections_.find(id);
    if (known != sections_.end()) {
        return known->second;
    }
    Section& keys = sections_[id];
    for (const std::string& line : readList([&](char*out, uint32_t room) {
             return tk73_GetPrivateProfileSectionA(name.c_str(), out, room, path_.c_str());
         })) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) {
            keys.emplace_back(line.substr(0, equals), unquoted(line.substr(equals + 1)));
        }
    }
    return keys;
}

std::optional<std::string> Profile::value(const std::string& name, const std::string& key) const {
    const std::string id = upper(key);
    for (const auto& [found, value] : section(name)) {
        if (upper(found) == id) {
            return value;
        }
    }
    return std::nullopt;
}

std::string Profile::text(const std::string& section, const std::string& key) const {
    return value(section, key).value_or("");
}

bool Profile::has(const std::string& section, const std::string& key) const {
    return value(section, key).has_value();
}

std::vector<std::string> Profile::keys(const std::string& name) const {
    std::vector<std::string> names;
    for (const auto& entry : section(name)) {
        names.push_back(entry.first);
    }
    return names;
}

std::vector<std::string> Profile::sections() const {
    return readList([&](char* out, uint32_t room) {
        return tk73_GetPrivateProfileStringA(nullptr, nullptr, "", out, room, path_.c_str());
    });
}

}  // namespace tk73tools
