#include "definitions/profile_access.h"

#include <algorithm>
#include <cstring>

#include "platform/ini_profile.h"

namespace tk73def {

namespace {

bool holdsLineBreak(const char* text) {
    return text != nullptr && std::strpbrk(text, "\r\n") != nullptr;
}

}  // namespace

std::string readProfileString(const std::string& file, const char* section, const char* key,
                              uint32_t maxChars) {
    if (section == nullptr || key == nullptr) {
        return {};  // a null name would ask for a name list instead of a value
    }
    std::vector<char> buffer(size_t{maxChars} + 1, '\0');
    const uint32_t length = tk73_GetPrivateProfileStringA(
        section, key, "", buffer.data(), static_cast<uint32_t>(buffer.size()), file.c_str());
    return std::string(buffer.data(), std::min<size_t>(length, maxChars));
}

std::vector<std::string> readProfileKeys(const std::string& file, const char* section,
                                         uint32_t bufferBytes, bool* full) {
    std::vector<char> buffer(bufferBytes, '\0');
    const uint32_t length = tk73_GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                          bufferBytes, file.c_str());
    // A cut list and one that fills the buffer exactly both answer its size less 2. One byte more
    // tells them apart: a whole list answers the same again, a cut one more.
    bool cut = bufferBytes >= 2 && length >= bufferBytes - 2;
    if (cut) {
        std::vector<char> larger(size_t{bufferBytes} + 1, '\0');
        cut = tk73_GetPrivateProfileStringA(section, nullptr, "", larger.data(), bufferBytes + 1,
                                            file.c_str()) != length;
    }
    if (full != nullptr) {
        *full = cut;
    }
    std::vector<std::string> names;
    size_t start = 0;
    const size_t end = std::min<size_t>(length, bufferBytes);
    for (size_t pos = 0; pos <= end; ++pos) {
        if (pos == end || buffer[pos] == '\0') {
            if (pos > start) {
                names.emplace_back(buffer.data() + start, pos - start);
            }
            start = pos + 1;
        }
    }
    if (cut && !names.empty()) {
        names.pop_back();
    }
    return names;
}

int writeProfileString(const std::string& file, const char* section, const char* key,
                       const char* value, tk73::FileReplacement::Durability durability) {
    if (file.empty() || section == nullptr || holdsLineBreak(section) || holdsLineBreak(key) ||
        holdsLineBreak(value)) {
        return 0;
    }
    return tk73::writePrivateProfileString(section, key, value, file.c_str(), durability) != 0 ? 1
                                                                                               : 0;
}

std::string quotedValue(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace tk73def
