#include "platform/ini_profile.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ini_cache.h"
#include "platform/ini_edit.h"
#include "platform/ini_text.h"
#include "platform/profile_buffer.h"
#include "platform/profile_integer.h"
#include "platform/whole_file.h"

using tk73::IniDocument;
using tk73::IniLine;

namespace {

// Writes of this process change a file one at a time, so that two writes never start from the
// same old bytes and lose one of the changes.
std::mutex writeMutex;

std::shared_ptr<const IniDocument> documentOf(const char* file) {
    return tk73::loadIniDocument(file ? file : "");
}

// The key's value as the file holds it (blanks removed, quotes not), if the key exists.
std::optional<std::string_view> storedValue(const IniDocument& document, const char* section,
                                            const char* key) {
    const auto header = document.findSection(section);
    const auto line = header ? document.findKey(*header, key) : std::nullopt;
    if (!line) {
        return std::nullopt;
    }
    return document.value(document.lines()[*line]);
}

std::vector<std::string_view> sectionNames(const IniDocument& document) {
    std::vector<std::string_view> names;
    for (const IniLine& line : document.lines()) {
        if (line.kind == IniLine::Kind::Section) {
            names.push_back(document.name(line));
        }
    }
    return names;
}

// Indexes [first, last) of the lines inside the first section of that name; empty when the
// section is missing.
std::pair<size_t, size_t> sectionBody(const IniDocument& document, const char* section) {
    const auto header = document.findSection(section);
    if (!header) {
        return {0, 0};
    }
    return {*header + 1, document.sectionEnd(*header)};
}

// Windows trims trailing blanks off the default before it copies it.
std::string_view defaultText(const char* defaultValue) {
    std::string_view text = defaultValue ? defaultValue : "";
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool holdsLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that the file could not give back as they were written are refused rather
// than written: a line end would split the line, a "]" would end the section's name early, and
// a key that contains "=", is blank or starts like a comment or a header would read as
// something else.
bool writable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = tk73::trimIniBlanks(key);
    return !holdsLineEnd(section) && section.find(']') == std::string_view::npos &&
           !holdsLineEnd(key) && !name.empty() && name.find('=') == std::string_view::npos &&
           name.front() != ';' && name.front() != '[' && !holdsLineEnd(value);
}

}  // namespace

uint32_t TK73_API tk73_GetPrivateProfileStringA(const char* section, const char* key,
                                                const char* defaultValue, char* returned,
                                                uint32_t size, const char* file) {
    if (returned == nullptr || size == 0) {
        return 0;
    }
    const auto document = documentOf(file);
    if (section == nullptr) {
        return tk73::copyProfileList(sectionNames(*document), returned, size);
    }
    if (key == nullptr) {
        std::vector<std::string_view> keys;
        const auto [first, last] = sectionBody(*document, section);
        for (size_t i = first; i < last; ++i) {
            if (document->lines()[i].kind == IniLine::Kind::Key) {
                keys.push_back(document->name(document->lines()[i]));
            }
        }
        // A missing or empty section gives the default, as on Windows.
        if (keys.empty()) {
            return tk73::copyProfileText(defaultText(defaultValue), returned, size);
        }
        return tk73::copyProfileList(keys, returned, size);
    }
    const auto value = storedValue(*document, section, key);
    return tk73::copyProfileText(value ? tk73::withoutIniQuotes(*value) : defaultText(defaultValue),
                                 returned, size);
}

unsigned int TK73_API tk73_GetPrivateProfileIntA(const char* section, const char* key,
                                                 int defaultValue, const char* file) {
    if (section == nullptr || key == nullptr) {
        return static_cast<unsigned int>(defaultValue);
    }
    const auto document = documentOf(file);
    const auto value = storedValue(*document, section, key);
    // An empty value counts as missing, as on Windows.
    if (!value || tk73::withoutIniQuotes(*value).empty()) {
        return static_cast<unsigned int>(defaultValue);
    }
    return tk73::profileInteger(tk73::withoutIniQuotes(*value));
}

uint32_t TK73_API tk73_GetPrivateProfileSectionA(const char* section, char* returned, uint32_t size,
                                                 const char* file) {
    if (section == nullptr || returned == nullptr || size == 0) {
        return 0;
    }
    const auto document = documentOf(file);
    // Every line of the section but comments and blank lines, blanks removed; keys as
    // "name=value" with the value's quotes kept.
    std::vector<std::string> items;
    const auto [first, last] = sectionBody(*document, section);
    for (size_t i = first; i < last; ++i) {
        const IniLine& line = document->lines()[i];
        if (line.kind == IniLine::Kind::Key) {
            items.push_back(std::string(document->name(line)) + "=" +
                            std::string(document->value(line)));
        } else if (line.kind == IniLine::Kind::Other && !document->text(line).empty()) {
            items.emplace_back(document->text(line));
        }
    }
    return tk73::copyProfileList({items.begin(), items.end()}, returned, size);
}

int TK73_API tk73_WritePrivateProfileStringA(const char* section, const char* key,
                                             const char* value, const char* file) {
    return tk73::writePrivateProfileString(section, key, value, file,
                                           tk73::FileReplacement::Durability::Flushed);
}

int tk73::writePrivateProfileString(const char* section, const char* key, const char* value,
                                    const char* file, FileReplacement::Durability durability) {
    if (section == nullptr || file == nullptr) {
        return 0;
    }
    if (key != nullptr && value != nullptr && !writable(section, key, value)) {
        return 0;
    }
    const std::string path = file;
    std::lock_guard lock(writeMutex);
    // A write starts from the file as it is on disk. A file that exists but cannot be read is
    // left alone: writing it from an empty document would throw its contents away.
    auto bytes = tk73::readWholeFile(path);
    if (!bytes && tk73::pathExists(path)) {
        return 0;
    }
    const IniDocument document(bytes ? std::move(*bytes) : std::string());
    std::optional<std::string> changed;
    if (key == nullptr) {
        changed = tk73::iniWithoutSection(document, section);
    } else if (value == nullptr) {
        changed = tk73::iniWithoutKey(document, section, key);
    } else {
        changed = tk73::iniWithValue(document, section, key, value);
    }
    if (!changed) {
        return 1;
    }
    const bool replaced = tk73::replaceWholeFile(path, *changed, durability);
    tk73::forgetIniDocument(path);
    return replaced ? 1 : 0;
}
