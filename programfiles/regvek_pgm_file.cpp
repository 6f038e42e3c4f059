#include "programfiles/regvek_pgm_file.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/out_buffer.h"
#include "definitions/decimal_text.h"
#include "platform/api.h"
#include "platform/double_byte.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/store_folder.h"

namespace {

// The maintenance folder of a store's register or Vek controller within its store folder.
constexpr const char* kMainteFolderName = "MAINTE";

// "FILE%03dP" and, when wanted, an extension.
std::string pgmFileName(int fileNo, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03dP%s", fileNo, extension);
    return name;
}

// folder joined with name by the path rule; empty when it does not fit a path buffer.
std::string joined(const std::string& folder, const std::string& name) {
    char path[TK73_MAX_PATH] = {};
    if (folder.size() >= sizeof path) {
        return {};
    }
    std::memcpy(path, folder.c_str(), folder.size() + 1);
    return AecrbsAddPath(path, name.c_str()) ? std::string(path) : std::string();
}

bool isFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

void CTK73pgmRegVekPgmFile::Initialize(int storeNo, int kind) {
    storeNo_ = storeNo;
    CTK73edbStore().GetStoreFromStoreNo(storeNo, &store_);
    if (kind == 1) {
        CTK73edbVekModel().GetModelFromModelNo(store_.vekModelNo, &model_);
    } else {
        CTK73edbModel().GetModelFromModelNo(store_.regModelNo, &model_);
    }
    char part[8] = {};
    CreateRegVekModelNoDirName(part);
    const std::string store = tk73store::storeFolderPath(storeNo);
    if (storeNo > 0 && !store.empty()) {
        mainteFolder_ = joined(joined(store, part), kMainteFolderName);
    }
    char folder[TK73_MAX_PATH] = {};
    if (!model_.indentName.empty() && GetRegVekPath(folder) &&
        AecrbsAddPath(folder, model_.indentName.c_str()) && AddDefDirName(folder)) {
        defaultFolder_ = folder;
    }
}

int CTK73pgmRegVekPgmFile::GetMaintePath(char* out, int create) const {
    if (storeNo_ <= 0 || mainteFolder_.empty()) {
        (void)tk73::putPath(out, "");  // empties out
        return 0;
    }
    if (!tk73::putPath(out, mainteFolder_)) {
        return 0;
    }
    std::error_code error;
    if (create == 1 && !std::filesystem::is_directory(mainteFolder_, error)) {
        // A file under the folder's name makes the creation fail rather than pass as a folder.
        return AecrbsMakeDirectoryEx(mainteFolder_.c_str()) == 1 &&
                       std::filesystem::is_directory(mainteFolder_, error)
                   ? 1
                   : 0;
    }
    return 1;
}

int CTK73pgmRegVekPgmFile::GetDefaultPath(char* out) const {
    if (storeNo_ <= 0) {
        return tk73::putPath(out, "");
    }
    return tk73::putPath(out, defaultFolder_);
}

int CTK73pgmRegVekPgmFile::CreatePgmFileName(int fileNo, char* out, const char* path,
                                             int withExt) const {
    const std::string name = pgmFileName(fileNo, withExt == 1 ? ".TXT" : "");
    if (path == nullptr || *path == '\0') {
        return tk73::putPath(out, name);
    }
    return tk73::putPath(out, joined(path, name));
}

int CTK73pgmRegVekPgmFile::CreatePgmFileName(int fileNo, char* out, int withExt) const {
    if (storeNo_ <= 0) {
        return 0;
    }
    return CreatePgmFileName(fileNo, out, nullptr, withExt);
}

int CTK73pgmRegVekPgmFile::CreatePgmFileName(int fileNo, char* out, int withExt, int dat,
                                             int full) const {
    if (storeNo_ <= 0) {
        return 0;
    }
    const char* extension = withExt != 1 ? "" : dat == 1 ? ".DAT" : ".TXT";
    const std::string name = pgmFileName(fileNo, extension);
    if (full != 1) {
        return tk73::putPath(out, name);
    }
    return mainteFolder_.empty() ? tk73::putPath(out, "")
                                 : tk73::putPath(out, joined(mainteFolder_, name));
}

int CTK73pgmRegVekPgmFile::CreateMainteFullPath(int fileNo, char* out) const {
    if (storeNo_ < 1 || mainteFolder_.empty()) {
        (void)tk73::putPath(out, "");  // empties out
        return 0;
    }
    const std::string path = joined(mainteFolder_, pgmFileName(fileNo, ".TXT"));
    return tk73::putPath(out, path) && isFile(path) ? 1 : 0;
}

int CTK73pgmRegVekPgmFile::CreateDefaultFullPath(int fileNo, char* out) const {
    if (storeNo_ < 1 || defaultFolder_.empty()) {
        (void)tk73::putPath(out, "");  // empties out
        return 0;
    }
    const std::string path = joined(defaultFolder_, pgmFileName(fileNo, ".TXT"));
    return tk73::putPath(out, path) && isFile(path) ? 1 : 0;
}

void CTK73pgmRegVekPgmFile::ConvFileNoToString(int fileNo, char* out, int width) {
    // The widest number with its sign fills the 12 bytes the caller provides.
    constexpr int kRoom = 12;
    const int digits = width < 0 ? 0 : width > kRoom - 1 ? kRoom - 1 : width;
    std::snprintf(out, kRoom, "%0*d", digits, fileNo);
}

void CTK73pgmRegVekPgmFile::ConvFieldNoToString(int fieldNo, char* out) {
    ConvFileNoToString(fieldNo, out, 3);
}

int CTK73pgmRegVekPgmFile::ConvFileNoToInt(const char* text) {
    return text != nullptr ? tk73def::decimalValue(text) : 0;
}

int CTK73pgmRegVekPgmFile::ConvFieldNoToInt(const char* text) {
    return ConvFileNoToInt(text);
}

int CTK73pgmRegVekPgmFile::GetFileNoFromFileName(const char* path) {
    if (path == nullptr) {
        return 0;
    }
    // The name starts after the last separator; a double-byte character is stepped over whole,
    // since its trail byte may equal a backslash.
    const std::string_view text(path);
    size_t nameStart = 0;
    for (size_t at = 0; at < text.size(); at += tk73::characterLength(text, at)) {
        if (tk73::characterLength(text, at) == 1 && (text[at] == '\\' || text[at] == '/')) {
            nameStart = at + 1;
        }
    }
    const std::string_view name = text.substr(nameStart);
    constexpr size_t kNumberStart = 4;
    constexpr size_t kNumberChars = 7;
    if (name.size() <= kNumberStart) {
        return 0;
    }
    return tk73def::decimalValue(name.substr(kNumberStart, kNumberChars));
}
