#include "definitions/def_reg.h"

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "definitions/copy_out.h"
#include "definitions/ctrl_cmn.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"
#include "platform/ini_profile.h"

namespace {

constexpr uint32_t kKeyValueChars = 4095;

// base joined with each name in turn; empty when base is empty or the path would not fit.
std::string joinPath(const std::string& base, std::initializer_list<std::string> names) {
    if (base.empty() || base.size() >= TK73_MAX_PATH) {
        return {};
    }
    char path[TK73_MAX_PATH] = {};
    std::memcpy(path, base.data(), base.size());
    for (const std::string& name : names) {
        if (!AecrbsAddPath(path, name.c_str())) {
            return {};
        }
    }
    return path;
}

std::string definitionFolder(int kind) {
    char folder[TK73_MAX_PATH] = {};
    const int found = kind != 0 ? AecrbsGetTK73VekPath(folder) : AecrbsGetTK73RegisterPath(folder);
    return found ? std::string(folder) : std::string();
}

std::string dataBaseFolder() {
    char folder[TK73_MAX_PATH] = {};
    return AecrbsGetTK73DataBasePath(folder) ? std::string(folder) : std::string();
}

// An indent name becomes a folder and a file name, so it may not climb out of its folder.
bool isUsableIndentName(const char* name) {
    if (name == nullptr) {
        return false;
    }
    const std::string_view text(name);
    return !text.empty() && text.size() <= CTK73defReg::kMaxIndentName && text != "." &&
           text != ".." && text.find_first_of("/\\") == std::string_view::npos;
}

bool isFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

CTK73defReg::CTK73defReg(const char* path, int kind) : kind_(kind) {
    // A path that does not fit the path buffers is not cut to another file's name: the object
    // then reads nothing and writes nowhere.
    if (path != nullptr && std::strlen(path) < TK73_MAX_PATH) {
        defaultPath_ = path;
        dbPath_ = path;
    }
}

CTK73defReg::CTK73defReg(const char* indentName, int storeNo, int kind)
    : kind_(kind), storeNo_(storeNo) {
    if (!isUsableIndentName(indentName)) {
        return;
    }
    indentName_ = indentName;
    const std::string folder = definitionFolder(kind);
    defaultPath_ = joinPath(folder, {indentName_, indentName_ + ".INI"});
    ezPath_ = joinPath(folder, {indentName_, indentName_ + "_EZ.INI"});
    if (storeNo <= 0) {
        dbPath_ = defaultPath_;
        return;
    }
    dbPath_ = joinPath(dataBaseFolder(), {tk73def::numberedName("S%03d", storeNo),
                                          kind != 0 ? "O001" : "M001", indentName_ + ".INI"});
    CheckCopyINIVersion();
}

int CTK73defReg::GetDefaultIniFilePath(char* out, int ez) const {
    const std::string& path = (ez == 1) ? ezPath_ : defaultPath_;
    return tk73def::copyOut(path, out) && isFile(path) ? 1 : 0;
}

int CTK73defReg::GetDbIniFilePath(char* out) const {
    return tk73def::copyOut(dbPath_, out) && isFile(dbPath_) ? 1 : 0;
}

int CTK73defReg::GetModelInstallPath(char* out) const {
    const std::string folder = joinPath(definitionFolder(kind_), {indentName_});
    if (folder.empty()) {
        tk73def::copyOut(std::string(), out);
        return 0;
    }
    return tk73def::copyOut(folder, out);
}

void CTK73defReg::GetModelIndentName(char* out) const {
    tk73def::copyOut(indentName_, out);
}

int CTK73defReg::CopyDefaultIniFileToDbIniFile(int failIfExists) const {
    if (!isFile(defaultPath_) || dbPath_.empty()) {
        return 0;
    }
    if (dbPath_ == defaultPath_) {
        // Copying a file onto itself would empty it; the default already is the store file.
        return failIfExists ? 0 : 1;
    }
    std::string folder;
    CCtrlCmn::GetFolderFromFullPath(dbPath_.c_str(), folder);
    if (AecrbsMakeDirectoryEx(folder.c_str()) != 1) {
        return 0;
    }
    return AecrbsCopyFile(defaultPath_.c_str(), dbPath_.c_str(), failIfExists) ? 1 : 0;
}

uint8_t CTK73defReg::GetMachineID() const {
    return static_cast<uint8_t>(
        tk73_GetPrivateProfileIntA("SYSTEM", "MACHINE_TYPE", 0, dbPath_.c_str()));
}

std::string CTK73defReg::GetKeyValueString(const char* section, const char* key) const {
    return tk73def::readProfileString(dbPath_, section, key, kKeyValueChars);
}

int CTK73defReg::GetKeyValueInt(const char* section, const char* key) const {
    return static_cast<int>(tk73_GetPrivateProfileIntA(section, key, 0, defaultPath_.c_str()));
}

void CTK73defReg::CreateFileNoKeyName(int fileNo, char* out) {
    tk73def::copyOut(tk73def::numberedName("%03d", fileNo), out);
}

void CTK73defReg::CreateFieldNoKeyName(int fieldNo, char* out) {
    tk73def::copyOut(tk73def::numberedName("%03d", fieldNo), out);
}

int CTK73defReg::IsNumeric(const char* text) {
    if (text == nullptr || text[0] == '\0') {
        return 0;
    }
    for (const char* c = text; *c != '\0'; ++c) {
        if ((*c < '0' || *c > '9') && *c != '?') {
            return 0;
        }
    }
    return 1;
}
