#include "tools/defcheck/profile.h"

#include "platform/ini_profile.h"

namespace tk73tools {

namespace {

// A default that no definition holds tells a missing key from an empty value.
constexpr const char* kMissing = "\x7f<missing>\x7f";
constexpr uint32_t kValueRoom = 8192;
constexpr uint32_t kListLimit = 1u << 20;

}  // namespace

Profile::Profile(std::string path, std::string label)
    : path_(std::move(path)), label_(std::move(label)) {}

std::optional<std::string> Profile::value(const std::string& section,
                                          const std::string& key) const {
    std::string buffer(kValueRoom, '\0');
    uint32_t length = tk73_GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing,
                                                    buffer.data(), kValueRoom, path_.c_str());
    buffer.resize(length);
    if (buffer == kMissing) {
        return std::nullopt;
    }
    return buffer;
}

std::string Profile::text(const std::string& section, const std::string& key) const {
    return value(section, key).value_or("");
}

bool Profile::has(const std::string& section, const std::string& key) const {
    return value(section, key).has_value();
}

std::vector<std::string> Profile::list(const char* section) const {
    for (uint32_t room = 4096; room <= kListLimit; room *= 4) {
        std::string buffer(room, '\0');
        uint32_t length =
            tk73_GetPrivateProfileStringA(section, nullptr, "", buffer.data(), room, path_.c_str());
        if (length + 2 < room) {
            std::vector<std::string> names;
            size_t start = 0;
            while (start < length) {
                size_t end = buffer.find('\0', start);
                names.push_back(buffer.substr(start, end - start));
                start = end + 1;
            }
            return names;
        }
    }
    return {};
}

std::vector<std::string> Profile::keys(const std::string& section) const {
    return list(section.c_str());
}

std::vector<std::string> Profile::sections() const {
    return list(nullptr);
}

}  // namespace tk73tools
