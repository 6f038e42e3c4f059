#include "operations/staged_archive.h"

#include <filesystem>
#include <vector>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "definitions/def_reg.h"
#include "operations/placed_files.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/edb_model.h"

namespace tk73ops {

namespace {

// A file number that unpacks every file of a binary file without the PLU init values.
constexpr int kNoInitValues = 0;
// The largest controller's part read: a binary program file holds at most 64 MiB of text, which
// zlib packs into little more.
constexpr size_t kMaxControllerPart = (64u << 20) + (1u << 20);
// The controller's PLU file, whose unset codes an unpacked controller part has as zeros.
constexpr int kPluFile = 4;

const char* partFolderName(int kind) {
    return kind == 1 ? "VEK" : "REG";
}

// Every file of the folder, to go into the target folder under its name.
bool addFiles(const std::string& folder, const std::string& target,
              std::vector<FilePlacement>& files) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        files.push_back({entry.path().string(), tk73pack::inFolder(target, name)});
    }
    return !error;
}

}  // namespace

StagedArchive::StagedArchive() : folder_(tk73pack::tempFile("CRPOPEN")) {
    if (!folder_.empty()) {
        // An earlier run's folder that stays is written over file by file.
        (void)AecrbsDeleteDirectory(folder_.c_str());
    }
}

StagedArchive::~StagedArchive() {
    if (!folder_.empty()) {
        // A folder left behind is removed when the next archive is staged.
        (void)AecrbsDeleteDirectory(folder_.c_str());
    }
}

std::string StagedArchive::prepare(const MODEL_EDB& model, int kind,
                                   std::string& definition) const {
    const std::string programs = tk73pack::inFolder(folder_, partFolderName(kind));
    char shipped[TK73_MAX_PATH] = {};
    definition = tk73pack::inFolder(folder_, model.indentName + ".INI");
    if (folder_.empty() || programs.empty() || definition.empty() ||
        AecrbsMakeDirectoryEx(programs.c_str()) != 1 ||
        CTK73defReg(model.indentName.c_str(), 0, kind).GetDefaultIniFilePath(shipped, 0) != 1 ||
        AecrbsCopyFile(shipped, definition.c_str(), 0) == 0) {
        return {};
    }
    return programs;
}

bool StagedArchive::unpack(const std::string& crpPath, const MODEL_EDB& registerModel) {
    vekModel_ = MODEL_EDB();
    std::string definition;
    const std::string programs = prepare(registerModel, 0, definition);
    if (programs.empty()) {
        return false;
    }
    CTK73packArchive archive(definition.c_str(), programs.c_str(), 0);
    if (archive.UnPackCrpFile(crpPath.c_str()) != 1) {
        return false;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(crpPath, error);
    const unsigned long registerPart = archive.GetPartLength(crpPath.c_str());
    if (error || registerPart == 0) {
        return false;
    }
    return size == registerPart || unpackController(crpPath, registerPart);
}

bool StagedArchive::unpackController(const std::string& crpPath, unsigned long offset) {
    const auto bytes = tk73::readFilePart(crpPath, offset, kMaxControllerPart + 1);
    const std::string part = tk73pack::inFolder(folder_, "VEK.bin");
    if (!bytes || bytes->empty() || bytes->size() > kMaxControllerPart || part.empty() ||
        !tk73pack::writeWholeFile(part, *bytes)) {
        return false;
    }
    CTK73packArchive reader;
    uint8_t machineId = 0;
    CRPMODELDATA model{};
    if (reader.GetNextMacID(part.c_str(), &machineId) == 0 ||
        reader.GetVekModelFromIDCode(machineId, &model) == 0 ||
        CTK73edbVekModel().GetModelFromModelNo(model.modelNo, &vekModel_) == 0) {
        vekModel_ = MODEL_EDB();
        return false;
    }
    std::string definition;
    const std::string programs = prepare(vekModel_, 1, definition);
    CTK73packArchive archive(definition.c_str(), programs.c_str(), 1);
    // The PLU init values are turned once the files are in the store (placeInto), where file 4
    // is there even when the archive does not carry it.
    if (programs.empty() || archive.UnPackBinFile(part.c_str(), kNoInitValues) != 1) {
        vekModel_ = MODEL_EDB();
        return false;
    }
    return true;
}

bool StagedArchive::placeInto(int storeNo) const {
    char mainte[TK73_MAX_PATH] = {};
    std::vector<FilePlacement> files;
    if (CTK73pgmPgmFile(storeNo).GetMaintePath(mainte, 1) != 1 ||
        !addFiles(tk73pack::inFolder(folder_, partFolderName(0)), mainte, files)) {
        return false;
    }
    if (vekModel_.modelNo != 0) {
        // The controller's PLU file takes its zeros here, before anything goes into the store;
        // the store's own PLU file when the archive carries none.
        const CTK73pgmVekPgmFile vekFiles(storeNo);
        const std::string staged = tk73pack::inFolder(folder_, partFolderName(1));
        const std::string plu =
            tk73pack::inFolder(staged, tk73pack::programTextName(kPluFile, false));
        char storePlu[TK73_MAX_PATH] = {};
        char definition[TK73_MAX_PATH] = {};
        if (vekFiles.GetMaintePath(mainte, 1) != 1) {
            return false;
        }
        const bool storeHasPlu = vekFiles.CreateMainteFullPath(kPluFile, storePlu) != 0;
        if (!tk73::pathExists(plu) && storeHasPlu &&
            AecrbsCopyFile(storePlu, plu.c_str(), 0) == 0) {
            return false;
        }
        if (CTK73defReg(vekModel_.indentName.c_str(), storeNo, 1).GetDbIniFilePath(definition) !=
                1 ||
            CTK73packArchive(definition, staged.c_str(), 1).ConvertFILE004InitValue() != 1 ||
            !addFiles(staged, mainte, files)) {
            return false;
        }
    }
    return placeAllOrNothing(files);
}

}  // namespace tk73ops
