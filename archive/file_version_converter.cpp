#include "archive/file_version_converter.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "archive/archive_files.h"
#include "archive/definition_sections.h"
#include "base/file_utils.h"
#include "base/install_folders.h"
#include "definitions/def_reg.h"
#include "platform/api.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file_of_kind.h"

namespace {

constexpr int kSetMenuFile = 28;
constexpr int kRegister = 0;
// The version's two digits: offset 45 of the second line, which starts after the 16 bytes of
// the title line.
constexpr size_t kVersionInLine = 45;
constexpr long kVersionInFile = 61;
constexpr size_t kHeaderBytes = 130;

// The active store's program file locations of the kind.
std::string activeTemplateFolder(int storeNo, int kind) {
    char folder[TK73_MAX_PATH] = {};
    tk73pgm::pgmFileOfKind(storeNo, kind)->GetDefaultPath(folder);
    return folder;
}

}  // namespace

CTK73packFileVersionConverter::CTK73packFileVersionConverter(int kind)
    : m_kind(kind), m_storeNo(tk73pgm::currentStoreNo()) {
    const auto files = tk73pgm::pgmFileOfKind(m_storeNo, kind);
    m_indentName = files->GetModel().indentName;
    char path[TK73_MAX_PATH] = {};
    if (!m_indentName.empty()) {
        CTK73defReg(m_indentName.c_str(), m_storeNo, kind).GetDbIniFilePath(path);
    }
    m_definitionFile = path;
    // Empty for a store without a maintenance folder: its files are then not found.
    (void)files->GetMaintePath(path, 0);
    m_mainteFolder = path;
    files->GetDefaultPath(path);
    m_templateFolder = path;
}

CTK73packFileVersionConverter::CTK73packFileVersionConverter(const char* definitionFile,
                                                             const char* mainteFolder,
                                                             const char* indentName, int kind)
    : m_kind(kind),
      m_storeNo(tk73pgm::currentStoreNo()),
      m_definitionFile(definitionFile ? definitionFile : ""),
      m_mainteFolder(mainteFolder ? mainteFolder : ""),
      m_templateFolder(activeTemplateFolder(m_storeNo, kind)),
      m_indentName(indentName ? indentName : "") {}

int CTK73packFileVersionConverter::UpdateFileVersion() {
    const auto list = tk73pack::crpFilesSection(m_definitionFile, m_kind);
    int result = 1;
    for (int index = 0; index < list->GetValueCount(); ++index) {
        int fileNo = 0;
        if (list->GetValueFromIndex(index, &fileNo) != 0 && UpdateFileVersion(fileNo) == 0) {
            result = 0;
        }
    }
    return result;
}

int CTK73packFileVersionConverter::UpdateFileVersion(int fileNo) {
    const int wanted = GetFileVersion(TemplateFile(fileNo).c_str());
    const int current = GetFileVersion(MainteFile(fileNo).c_str());
    if (wanted == current || wanted < 0 || current < 0) {
        return 1;
    }
    if (current == 0 && ConvertFileVersion(fileNo, 0) == 0) {
        return 0;
    }
    return SetPgmFileVersion(fileNo, wanted);
}

int CTK73packFileVersionConverter::SetPgmFileVersion(int fileNo, int version) const {
    return SetFileVersion(MainteFile(fileNo).c_str(), version);
}

int CTK73packFileVersionConverter::ConvertFileVersion(int fileNo, int flag) {
    if (fileNo != kSetMenuFile || m_kind != kRegister || flag != 0) {
        return 1;
    }
    return ConvertFile028();
}

int CTK73packFileVersionConverter::GetFileVersion(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || !std::getline(in, line) ||
        line.size() < kVersionInLine + 2) {
        return -1;
    }
    const char high = line[kVersionInLine];
    const char low = line[kVersionInLine + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9') {
        return -1;
    }
    return (high - '0') * 10 + (low - '0');
}

int CTK73packFileVersionConverter::SetFileVersion(const char* path, int version) {
    if (version < 0 || version > 99 || AecrbsCheckFile(path) < kVersionInFile + 2) {
        return 0;
    }
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", version);
    file.seekp(kVersionInFile);
    return file && file.write(digits, 2) && file.flush() ? 1 : 0;
}

int CTK73packFileVersionConverter::GetHeaderString(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return 0;
    }
    out.assign(kHeaderBytes, '\0');
    in.read(out.data(), static_cast<std::streamsize>(kHeaderBytes));
    out.resize(static_cast<size_t>(in.gcount()));
    return 1;
}

int CTK73packFileVersionConverter::SetHeaderString(const char* path, const std::string& header) {
    const size_t length = std::min(header.size(), kHeaderBytes - 1);
    const long long size = AecrbsCheckFile(path);
    if (size < 0 || static_cast<size_t>(size) < length) {
        return 0;
    }
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    return file && file.write(header.data(), static_cast<std::streamsize>(length)) && file.flush()
               ? 1
               : 0;
}

int CTK73packFileVersionConverter::CreateVersionIniFilePath(int version, std::string& out) const {
    char folder[TK73_MAX_PATH] = {};
    const int base = m_kind == 1 ? AecrbsGetTK73VekPath(folder) : AecrbsGetTK73RegisterPath(folder);
    char name[64];
    std::snprintf(name, sizeof name, "%.20sVer%02d.INI", m_indentName.c_str(), version);
    if (base == 0 || AecrbsAddPath(folder, m_indentName.c_str()) == 0 ||
        AecrbsAddPath(folder, "OLDVERSION") == 0 || AecrbsAddPath(folder, name) == 0) {
        out.clear();
        return 0;
    }
    out = folder;
    return AecrbsCheckFile(folder) >= 0 ? 1 : 0;
}

// Empty (a file that never opens) when the folder is unknown, never a name in the current folder.
std::string CTK73packFileVersionConverter::MainteFile(int fileNo) const {
    if (m_mainteFolder.empty()) {
        return {};
    }
    return tk73pack::inFolder(m_mainteFolder, tk73pack::programTextName(fileNo, false));
}

std::string CTK73packFileVersionConverter::TemplateFile(int fileNo) const {
    if (m_templateFolder.empty()) {
        return {};
    }
    return tk73pack::inFolder(m_templateFolder, tk73pack::programTextName(fileNo, false));
}
