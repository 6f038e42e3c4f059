#include "tools/cli/json_text.h"

#include <cstdio>

#include "tools/cli/terminal_text.h"

namespace tk73cli {

std::string JsonString(const std::string& text) {
    // Converted before escaping: a trail byte of a double-byte character (0x5C in Shift JIS) must
    // not be taken for a backslash, and in UTF-8 no byte of a longer character is below 0x80.
    const std::string utf8 = TerminalText(text);
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::Text(const char* key, const std::string& value) {
    return Raw(key, JsonString(value));
}

JsonObject& JsonObject::Number(const char* key, long long value) {
    return Raw(key, std::to_string(value));
}

JsonObject& JsonObject::Raw(const char* key, const std::string& json) {
    body_ += body_.empty() ? "" : ",";
    body_ += JsonString(key) + ":" + json;
    return *this;
}

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : ",") + items[i];
    }
    return out + "]";
}

}  // namespace tk73cli
