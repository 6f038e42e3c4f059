#include "base/text_conversions.h"

#include "platform/double_byte.h"

#include <cstring>
#include <string_view>

namespace {

// Texts that code splitting takes at most, as its callers' buffers are made for.
constexpr size_t kMaxCodeText = 4095;

bool isStripped(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view stripped(std::string_view text) {
    while (!text.empty() && isStripped(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isStripped(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void copyOut(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int TK73_API AecrbsGetCharc(const char* text) {
    if (text == nullptr) {
        return 1;
    }
    return tk73::characterLength(text);
}

int TK73_API AecrbsStripString(char* out, const char* text) {
    if (out == nullptr) {
        return 0;
    }
    copyOut(out, stripped(text != nullptr ? text : ""));
    return 1;
}

int TK73_API AecrbsStripFiller(char* out, const char* text, char filler) {
    if (out == nullptr) {
        return 0;
    }
    const std::string_view all = text != nullptr ? text : "";
    size_t kept = all.size();
    bool inRun = false;
    for (size_t i = 0; i < all.size(); i += static_cast<size_t>(AecrbsGetCharc(&all[i]))) {
        if (all[i] != filler) {
            inRun = false;
        } else if (!inRun) {
            inRun = true;
            kept = i;
        }
    }
    copyOut(out, all.substr(0, inRun ? kept : all.size()));
    return 1;
}

int TK73_API AecrbsDevideCode(char* code, char* name, const char* text) {
    if (code == nullptr || name == nullptr) {
        return 0;
    }
    code[0] = '\0';
    name[0] = '\0';
    const std::string_view all = text != nullptr ? text : "";
    if (all.size() > kMaxCodeText) {
        return 0;
    }
    size_t colon = all.size();
    for (size_t i = 0; i < all.size(); i += static_cast<size_t>(AecrbsGetCharc(&all[i]))) {
        if (all[i] == ':') {
            colon = i;
            break;
        }
    }
    if (colon == all.size()) {
        copyOut(code, stripped(all));
        copyOut(name, stripped(all));
    } else {
        copyOut(code, stripped(all.substr(0, colon)));
        copyOut(name, stripped(all.substr(colon + 1)));
    }
    return 1;
}

int TK73_API AecrbsCheckCode(const char* text) {
    if (text == nullptr || text[0] == '\0') {
        return 1;
    }
    return std::strlen(text) == 3 && isDigit(text[0]) && isDigit(text[1]) && isDigit(text[2]);
}
