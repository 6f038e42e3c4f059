// The last stage of unpacking: the pack text file split into the program folder.

#include <atomic>
#include <filesystem>
#include <optional>

#include "archive/archive_files.h"
#include "archive/definition_sections.h"
#include "archive/pack_archive.h"
#include "archive/pack_text_splitter.h"
#include "archive/text_pgm_conv.h"
#include "base/folder_tree.h"
#include "platform/whole_file.h"
#include "platform/writer_files.h"

namespace {

// Moves the split files from the staging folder into the program folder.
bool moveInto(const std::string& staging, const std::string& folder,
              const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        std::error_code error;
        std::filesystem::rename(tk73pack::inFolder(staging, name), tk73pack::inFolder(folder, name),
                                error);
        if (error) {
            return false;
        }
    }
    return true;
}

// The split files are made in a folder of their own inside the program folder, so that only a
// complete unpack replaces the program files. Its name carries the process id: an unpack killed
// on the way leaves the folder behind, and the next complete unpack removes it.
const char kStagingPrefix[] = "$Unpack_";

std::string newStagingFolder(const std::string& programFolder) {
    static std::atomic<unsigned> counter{0};
    const std::string staging = tk73pack::inFolder(
        programFolder, tk73::writerFilePrefix(kStagingPrefix) + std::to_string(counter++) + "$");
    std::error_code error;
    return std::filesystem::create_directory(staging, error) ? staging : std::string();
}

}  // namespace

int CTK73packArchive::ConvertPackTextFileToPgmFile() {
    return SplitPackText(0);
}

int CTK73packArchive::SplitPackText(int onlyFileNo) {
    const std::optional<std::string> pack = tk73::readWholeFile(m_packTextPath);
    if (!pack || pack->empty()) {
        return 0;
    }
    const std::string staging = newStagingFolder(m_programFolder);
    if (staging.empty()) {
        return 0;
    }
    const size_t titleEnd = pack->find('\n');
    const std::string_view lines = titleEnd == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(*pack).substr(titleEnd + 1);

    const auto conversionSwitch = static_cast<unsigned long>(ConversionSwitch());
    CTextPgmConv conversion;
    conversion.EnterConvProc(conversionSwitch, CTextPgmConv::kToWin1256);
    const auto layouts = tk73pack::conversionLayouts(conversionSwitch, m_definitionFile, m_kind);
    tk73pack::PackTextSplitter splitter(staging, layouts.get(), conversion);
    const bool split = splitter.split(lines);
    conversion.ExitConvProc();
    const std::vector<std::string>& made = splitter.madeFiles();
    const bool allowed =
        onlyFileNo <= 0 ||
        (made.size() == 1 && made.front() == tk73pack::programTextName(onlyFileNo, false));
    const bool moved = split && allowed && moveInto(staging, m_programFolder, made);
    // A staging folder left behind goes with the dead writers' leftovers.
    (void)AecrbsDeleteDirectory(staging.c_str());
    if (moved) {
        tk73::removeFilesOfDeadWriters(m_programFolder, kStagingPrefix, "$");
    }
    return moved ? 1 : 0;
}
