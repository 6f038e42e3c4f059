// Checking a program file that is about to replace a store's working copy.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_utils.h"
#include "base/user_interaction.h"
#include "platform/double_byte.h"
#include "programfiles/regvek_pgm_file.h"

namespace {

// The longest first line compared.
constexpr int kFirstLineChars = 1023;

// The file's first line without its line end; nothing when the file cannot be opened or is
// empty.
std::optional<std::string> firstLineOf(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    char line[kFirstLineChars + 1] = {};
    const bool read = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    if (!read) {
        return std::nullopt;
    }
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

char foldedCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Letter case is ignored in single-byte characters only: a trail byte of a double-byte
// character may look like a letter without being one.
bool sameIgnoringCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (size_t at = 0; at < left.size();) {
        const size_t step = tk73::characterLength(left, at);
        if (step != tk73::characterLength(right, at)) {
            return false;
        }
        const bool same = step == 2 ? left.substr(at, 2) == right.substr(at, 2)
                                    : foldedCase(left[at]) == foldedCase(right[at]);
        if (!same) {
            return false;
        }
        at += step;
    }
    return true;
}

void warn(const char* text, const std::string& caption) {
    tk73::ui().message(text, caption, tk73::MessageIcon::Exclamation);
}

}  // namespace

int CTK73pgmRegVekPgmFile::DiffPgmFile(int fileNo, const char* current, const char* incoming,
                                       const std::string& caption) const {
    if (GetStoreNo() <= 0 || current == nullptr || incoming == nullptr) {
        return 0;
    }
    const long long currentSize = AecrbsCheckFile(current);
    const long long incomingSize = AecrbsCheckFile(incoming);
    if (currentSize < 0 || incomingSize < 0) {
        return 0;
    }
    const std::optional<std::string> currentLine = firstLineOf(current);
    const std::optional<std::string> incomingLine = firstLineOf(incoming);
    if (!currentLine || !incomingLine) {
        return 0;
    }
    if (!sameIgnoringCase(*currentLine, *incomingLine)) {
        warn("Read data is invaid data type.", caption);
    }
    const auto fileInf = NewCTK73defRegVekFILEINF(GetModel().indentName.c_str(), GetStoreNo());
    if (fileInf->IsDataFile(fileNo) && incomingSize > currentSize) {
        warn("Read data is too large to read.", caption);
        return 0;
    }
    return 1;
}
