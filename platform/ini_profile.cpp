#include "platform/ini_profile.h"

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/ini_cache.h"
#include "platform/ini_edit.h"
#include "platform/ini_text.h"
#include "platform/profile_buffer.h"
#include "platform/profile_integer.h"
#include "platform/whole_file.h"

using tk73::IniDocument;
using tk73::IniLine;
using tk73::IniSection;

namespace {

// Writes of this process change a file one at a time, so that two writes never start from the
// same old bytes and lose one of the changes.
std::mutex writeMutex;

std::shared_ptr<const IniDocument> documentOf(const char* file) {
    return tk73::loadIniDocument(file ? file : "");
}

// Whether the file can be opened: it can be read, or it is missing from a folder that is there.
// Windows answers a read of a file it cannot open with the default as given (its quotes kept)
// and refuses to write it, deletions included.
bool openable(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        return std::filesystem::is_regular_file(status) && ::access(path.c_str(), R_OK) == 0;
    }
    const auto folder = std::filesystem::path(path).parent_path();
    return std::filesystem::is_directory(folder.empty() ? "." : folder, error);
}

// A caller's name or value as the file holds it: the same bytes, or UTF-8 in a UTF-8 file.
class FileText {
  public:
    FileText(const IniDocument& document, std::string_view text)
        : converted_(document.isUtf8() ? tk73::toUtf8(text) : std::string()),
          text_(document.isUtf8() ? std::string_view(converted_) : text) {}

    std::string_view view() const { return text_; }

  private:
    std::string converted_;
    std::string_view text_;
};

// Names and values of the file as the caller reads them, in the installation's code page.
class CallerTexts {
  public:
    explicit CallerTexts(const IniDocument& document) : utf8_(document.isUtf8()) {}

    void add(std::string_view text) {
        if (utf8_) {
            converted_.push_back(tk73::fromUtf8(text));
            text = converted_.back();
        }
        texts_.push_back(text);
    }

    const std::vector<std::string_view>& texts() const { return texts_; }

  private:
    bool utf8_;
    std::deque<std::string> converted_;
    std::vector<std::string_view> texts_;
};

// The value of the section's entry of that name, blanks around both names ignored; none for a
// missing key and for a name without "=".
std::optional<std::string_view> storedValue(const IniDocument& document, const char* section,
                                            const char* key) {
    const auto found =
        document.findSection(tk73::trimIniBlanks(FileText(document, section).view()));
    const auto entry =
        found ? document.findEntry(*found, tk73::trimIniBlanks(FileText(document, key).view()))
              : std::nullopt;
    if (!entry || !document.lines()[*entry].hasValue) {
        return std::nullopt;
    }
    return document.value(document.lines()[*entry]);
}

// Windows takes the trailing spaces off the default of a value, all but the first character.
std::string_view defaultText(const char* defaultValue) {
    std::string_view text = defaultValue ? defaultValue : "";
    while (text.size() > 1 && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

uint32_t sectionNames(const IniDocument& document, char* returned, uint32_t size) {
    CallerTexts names(document);
    for (const IniSection& section : document.sections()) {
        if (!document.name(section).empty()) {
            names.add(document.name(section));
        }
    }
    // A file without sections gives one NUL, as on Windows.
    return names.texts().empty() ? tk73::copyProfileText({}, returned, size)
                                 : tk73::copyProfileList(names.texts(), returned, size);
}

// The keys of the first section of that name, its name compared as given.
uint32_t keyNames(const IniDocument& document, const char* section, const char* defaultValue,
                  char* returned, uint32_t size) {
    CallerTexts keys(document);
    if (const auto found = document.findSection(FileText(document, section).view())) {
        const IniSection& body = document.sections()[*found];
        for (size_t i = body.first; i < body.end; ++i) {
            const IniLine& line = document.lines()[i];
            if (line.kind == IniLine::Kind::Entry && line.hasValue && !document.isComment(line)) {
                keys.add(document.name(line));
            }
        }
    }
    // A list that would be empty, or begin with an empty name, gives the default, as on Windows.
    if (keys.texts().empty() || keys.texts().front().empty()) {
        return tk73::copyProfileValue(defaultValue ? defaultValue : "", returned, size);
    }
    return tk73::copyProfileList(keys.texts(), returned, size);
}

bool holdsLineEnd(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Names and values that the file could not give back as they were written are refused rather
// than written: a line end would split the line, a "]" would end the section's name early, and
// a key that contains "=" or starts like a comment or a header would read as something else.
bool writable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view name = tk73::trimIniBlanks(key);
    return !holdsLineEnd(section) && section.find(']') == std::string_view::npos &&
           !holdsLineEnd(key) && name.find('=') == std::string_view::npos &&
           !name.starts_with(';') && !name.starts_with('[') && !holdsLineEnd(value);
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
        return sectionNames(*document, returned, size);
    }
    if (key == nullptr) {
        return keyNames(*document, section, defaultValue, returned, size);
    }
    const auto value = storedValue(*document, section, key);
    if (!value) {
        if (document->bytes().empty() && !openable(file ? file : "")) {
            return tk73::copyProfileText(defaultText(defaultValue), returned, size);
        }
        return tk73::copyProfileValue(defaultText(defaultValue), returned, size);
    }
    if (document->isUtf8()) {
        return tk73::copyProfileValue(tk73::fromUtf8(*value), returned, size);
    }
    return tk73::copyProfileValue(*value, returned, size);
}

unsigned int TK73_API tk73_GetPrivateProfileIntA(const char* section, const char* key,
                                                 int defaultValue, const char* file) {
    // The number is read from what a string read gives with room for 29 characters, so a null
    // section reads the first section name and a null key the first key name, as on Windows.
    char text[30];
    if (tk73_GetPrivateProfileStringA(section, key, "", text, sizeof text, file) == 0 ||
        text[0] == '\0') {
        return static_cast<unsigned int>(defaultValue);
    }
    return tk73::profileInteger(text);
}

uint32_t TK73_API tk73_GetPrivateProfileSectionA(const char* section, char* returned, uint32_t size,
                                                 const char* file) {
    if (section == nullptr || returned == nullptr || size == 0) {
        return 0;
    }
    const auto document = documentOf(file);
    // Every entry of the first section of that name (compared as given) but comments: keys as
    // "name=value" with the value's quotes kept, names without "=" alone.
    CallerTexts items(*document);
    std::deque<std::string> joined;
    if (const auto found = document->findSection(FileText(*document, section).view())) {
        const IniSection& body = document->sections()[*found];
        for (size_t i = body.first; i < body.end; ++i) {
            const IniLine& line = document->lines()[i];
            if (line.kind != IniLine::Kind::Entry || document->isComment(line)) {
                continue;
            }
            joined.emplace_back(document->name(line));
            if (line.hasValue) {
                joined.back().append("=").append(document->value(line));
            }
            items.add(joined.back());
        }
    }
    return tk73::copyProfileList(items.texts(), returned, size);
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
    if (!bytes && !openable(path)) {
        return 0;
    }
    const IniDocument document(bytes ? std::move(*bytes) : std::string());
    const FileText sectionText(document, section);
    std::optional<std::string> changed;
    if (key == nullptr) {
        changed = tk73::iniWithoutSection(document, sectionText.view());
    } else if (value == nullptr) {
        changed = tk73::iniWithoutKey(document, sectionText.view(), FileText(document, key).view());
    } else {
        changed = tk73::iniWithValue(document, sectionText.view(), FileText(document, key).view(),
                                     FileText(document, value).view());
    }
    if (!changed) {
        return 1;
    }
    const bool replaced = tk73::replaceWholeFile(path, *changed, durability);
    tk73::forgetIniDocument(path);
    return replaced ? 1 : 0;
}
