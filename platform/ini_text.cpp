#include "platform/ini_text.h"

namespace tk73 {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view trimIniBlanksFront(std::string_view text) {
    while (!text.empty() && isIniBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view trimIniBlanks(std::string_view text) {
    text = trimIniBlanksFront(text);
    while (!text.empty() && isIniBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool iniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace tk73
