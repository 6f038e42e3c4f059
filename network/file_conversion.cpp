#include "network/file_conversion.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "archive/pack_archive.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "definitions/def_file_inf.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_current_store.h"
#include "programfiles/pgm_file.h"

namespace {

// The active store's register: its definition copy, maintenance folder and the file's path.
struct StoreFile {
    std::string definition;
    std::string mainte;
    std::string path;
    bool dataFile = false;
};

bool locate(int fileNo, StoreFile* out) {
    const CTK73pgmPgmFile files(tk73pgm::currentStoreNo());
    const std::string& ident = files.GetModel().indentName;
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char path[TK73_MAX_PATH] = {};
    if (fileNo < 1 || ident.empty() ||
        CTK73defReg(ident.c_str(), files.GetStoreNo(), 0).GetDbIniFilePath(definition) != 1 ||
        files.GetMaintePath(mainte, 1) != 1) {
        return false;
    }
    // The path whether or not the file exists yet (a received file makes it).
    (void)files.CreateMainteFullPath(fileNo, path);
    out->definition = definition;
    out->mainte = mainte;
    out->path = path;
    out->dataFile = CTK73defFILEINF(definition).IsDataFile(fileNo) == 1;
    return !out->path.empty();
}

// Target becomes either the whole of source or stays as it was.
bool replaceWithCopy(const std::string& source, const std::string& target) {
    const std::optional<std::string> bytes = tk73::readWholeFile(source);
    return bytes && tk73::replaceWholeFile(target, *bytes);
}

}  // namespace

std::string tk73net::dataFileTarget(int fileNo) {
    StoreFile file;
    return locate(fileNo, &file) && file.dataFile ? file.path : std::string();
}

int TK73_API TK73ssl_PackBinFile(const char* target, int fileNo) {
    StoreFile file;
    if (target == nullptr || !locate(fileNo, &file)) {
        return 0;
    }
    if (file.dataFile) {
        // The target is a scratch file: a plain copy, no flush to the disk.
        std::error_code error;
        std::filesystem::copy_file(file.path, target,
                                   std::filesystem::copy_options::overwrite_existing, error);
        return error ? 0 : 1;
    }
    CTK73packArchive archive(file.definition.c_str(), file.mainte.c_str(), 0);
    return archive.PackBinFile(target, "", fileNo) == 1 ? 1 : 0;
}

int TK73_API TK73ssl_UnPackBinFile(const char* source, int fileNo) {
    StoreFile file;
    if (source == nullptr || !locate(fileNo, &file)) {
        return 0;
    }
    if (file.dataFile) {
        return replaceWithCopy(source, file.path) ? 1 : 0;
    }
    CTK73packArchive archive(file.definition.c_str(), file.mainte.c_str(), 0);
    return archive.UnPackBinFile(source, fileNo) == 1 ? 1 : 0;
}
