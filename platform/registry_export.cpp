#include "platform/registry_export.h"

#include <cstdio>

namespace tk73 {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDwordPrefix = "dword:";

std::string_view trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && blank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a quoted, escaped text at the front of rest and removes it from rest.
std::optional<std::string> takeQuoted(std::string_view& rest) {
    if (rest.empty() || rest.front() != '"') {
        return std::nullopt;
    }
    std::string text;
    for (size_t at = 1; at < rest.size(); ++at) {
        const char c = rest[at];
        if (c == '"') {
            rest.remove_prefix(at + 1);
            return text;
        }
        if (c == '\\') {
            if (at + 1 == rest.size() || (rest[at + 1] != '\\' && rest[at + 1] != '"')) {
                return std::nullopt;
            }
            ++at;
        }
        text += rest[at];
    }
    return std::nullopt;
}

std::optional<RegistryValue> parseData(std::string_view data) {
    if (data.substr(0, kDwordPrefix.size()) == kDwordPrefix) {
        data.remove_prefix(kDwordPrefix.size());
        if (data.size() != 8) {
            return std::nullopt;
        }
        RegistryValue value{RegistryValue::Type::Dword, {}, 0};
        for (char c : data) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value.dword = value.dword * 16 + static_cast<uint32_t>(digit);
        }
        return value;
    }
    std::optional<std::string> text = takeQuoted(data);
    if (!text || !data.empty()) {
        return std::nullopt;
    }
    return RegistryValue{RegistryValue::Type::String, std::move(*text), 0};
}

// A key line "[ROOT\path]": the path below the root, or nothing for any other line.
std::optional<std::string_view> keyOfLine(std::string_view line, std::string_view rootName) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    const std::string_view inner = line.substr(1, line.size() - 2);
    if (inner.size() <= rootName.size() || inner[rootName.size()] != '\\' ||
        !sameRegistryName(inner.substr(0, rootName.size()), rootName)) {
        return std::nullopt;
    }
    const std::string_view key = inner.substr(rootName.size() + 1);
    if (!isStorableRegistryKey(key)) {
        return std::nullopt;
    }
    return key;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

bool isStorableRegistryText(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

bool isStorableRegistryKey(std::string_view key) {
    return !key.empty() && key.front() != '\\' && key.back() != '\\' &&
           key.find("\\\\") == std::string_view::npos && isStorableRegistryText(key);
}

std::optional<RegistryDocument> parseRegistryExport(std::string_view text,
                                                    std::string_view rootName) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    RegistryDocument document;
    bool headerSeen = false;
    std::optional<std::string> currentKey;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!headerSeen) {
            if (line != kHeader) {
                return std::nullopt;
            }
            headerSeen = true;
            continue;
        }
        if (line.front() == '[') {
            const std::optional<std::string_view> key = keyOfLine(line, rootName);
            if (!key) {
                return std::nullopt;
            }
            currentKey = std::string(*key);
            document.addKey(*currentKey);
            continue;
        }
        std::string_view rest = line;
        std::optional<std::string> name;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
            name = std::string();
        } else {
            name = takeQuoted(rest);
        }
        if (!currentKey || !name || rest.empty() || rest.front() != '=') {
            return std::nullopt;
        }
        const std::optional<RegistryValue> value = parseData(rest.substr(1));
        if (!value) {
            return std::nullopt;
        }
        document.setValue(*currentKey, *name, *value);
    }
    if (!headerSeen) {
        return std::nullopt;
    }
    return document;
}

std::string formatRegistryExport(const RegistryDocument& document, std::string_view rootName) {
    std::string out(kHeader);
    out += "\n\n";
    for (const RegistryKeyEntry& key : document.keys()) {
        out += '[';
        out += rootName;
        out += '\\';
        out += key.path;
        out += "]\n";
        for (const RegistryNamedValue& value : key.values) {
            out += value.name.empty() ? std::string("@") : quoted(value.name);
            out += '=';
            if (value.value.type == RegistryValue::Type::Dword) {
                char digits[16];
                std::snprintf(digits, sizeof digits, "%08x", value.value.dword);
                out += kDwordPrefix;
                out += digits;
            } else {
                out += quoted(value.value.text);
            }
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

}  // namespace tk73
