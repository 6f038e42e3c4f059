// The last stage of unpacking: the pack text file split into the program folder.

#include <filesystem>
#include <optional>

#include "archive/archive_files.h"
#include "archive/definition_sections.h"
#include "archive/pack_archive.h"
#include "archive/pack_text_splitter.h"
#include "archive/text_pgm_conv.h"
#include "base/folder_tree.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_handle.h"

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

}  // namespace

int CTK73packArchive::ConvertPackTextFileToPgmFile() {
    const std::optional<std::string> pack = tk73::readWholeFile(m_packTextPath);
    char staging[TK73_MAX_PATH] = {};
    if (!pack || pack->empty() ||
        CPgmHandle::CreateWorkFolderName(m_programFolder.c_str(), staging) == 0 ||
        AecrbsMakeDirectoryEx(staging) != 1) {
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
    const bool moved = split && moveInto(staging, m_programFolder, splitter.madeFiles());
    AecrbsDeleteDirectory(staging);
    return moved ? 1 : 0;
}
