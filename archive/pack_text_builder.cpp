// Building the pack text file: the program text files of an archive, one after the other,
// behind one title line.

#include <optional>
#include <string_view>
#include <vector>

#include "archive/archive_files.h"
#include "archive/definition_sections.h"
#include "archive/pack_archive.h"
#include "archive/text_pgm_conv.h"
#include "base/file_utils.h"
#include "definitions/model_info.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"

namespace {

constexpr int kPluFile = 4;
constexpr int kManyFiles = 92;

// The end of the line that starts at, after its line feed; npos when the text has no more line.
size_t lineEnd(const std::string& text, size_t at) {
    if (at >= text.size()) {
        return std::string::npos;
    }
    const size_t feed = text.find('\n', at);
    return feed == std::string::npos ? text.size() : feed + 1;
}

// Appends a program text file without its title line: its header and file lines always, then
// its record lines k with first <= k <= last (all of them when last is 0). False when the file
// has no header and file line.
bool appendProgramText(const std::string& text, int first, int last, std::string& pack) {
    size_t at = lineEnd(text, 0);
    const size_t headerEnd = lineEnd(text, at);
    const size_t fileLineEnd = lineEnd(text, headerEnd);
    if (at == std::string::npos || headerEnd == std::string::npos ||
        fileLineEnd == std::string::npos) {
        return false;
    }
    if (last == 0) {
        pack.append(text, at, std::string::npos);
        return true;
    }
    pack.append(text, at, fileLineEnd - at);
    at = fileLineEnd;
    for (int record = 1; record <= last; ++record) {
        const size_t end = lineEnd(text, at);
        if (end == std::string::npos) {
            break;
        }
        if (record >= first) {
            pack.append(text, at, end - at);
        }
        at = end;
    }
    return true;
}

}  // namespace

int CTK73packArchive::ConversionSwitch() const {
    return CMdlInfo().GetFileCommConv();
}

int CTK73packArchive::CreatePackTextFile(int fileNo, int first, int last) {
    m_packTextPath = tk73pack::tempFile("PgmFile.txt");
    if (m_packTextPath.empty()) {
        return 0;
    }
    // The pack text is written whole at the end; a file that cannot be removed fails that write.
    (void)AecrbsDeleteFile(m_packTextPath.c_str());
    const bool single = fileNo > 0 && last == 0;
    std::vector<int> fileNos;
    if (single) {
        fileNos.push_back(fileNo);
    } else {
        const auto crpFiles = tk73pack::crpFilesSection(m_definitionFile, m_kind);
        for (int i = 0, number = 0; crpFiles->GetValueFromIndex(i, &number) == 1; ++i) {
            fileNos.push_back(number);
        }
    }
    std::string pack = tk73pack::titleLine(single ? fileNo : kManyFiles);

    const unsigned long conversionSwitch = static_cast<unsigned long>(ConversionSwitch());
    CTextPgmConv conversion;
    conversion.EnterConvProc(conversionSwitch, CTextPgmConv::kToIbm864);
    const auto layouts = tk73pack::conversionLayouts(conversionSwitch, m_definitionFile, m_kind);
    const CTK73pgmPgmFile names;
    for (int number : fileNos) {
        char path[TK73_MAX_PATH] = {};
        names.CreatePgmFileName(number, path, m_programFolder.c_str(), 1);
        std::string source = path;
        Record_Information info;
        const bool convert = tk73pack::needsConversion(layouts.get(), number, info);
        if (convert) {
            const std::string target =
                tk73pack::inFolder(m_programFolder, tk73pack::programTextName(number, true));
            conversion.StartConvProc(source, target);
            if (conversion.ConvCommFile(info) != 1) {
                conversion.EndConvProc();
                return 0;
            }
            source = target;
        }
        const std::optional<std::string> text = tk73::readWholeFile(source);
        if (convert) {
            conversion.EndConvProc();
        }
        const bool cut = last != 0 && number == kPluFile;
        if (!text || !appendProgramText(*text, cut ? first : 1, cut ? last : 0, pack)) {
            return 0;
        }
    }
    return tk73pack::writeWholeFile(m_packTextPath, pack) ? 1 : 0;
}
