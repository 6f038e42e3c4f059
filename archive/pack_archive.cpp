#include "archive/pack_archive.h"

#include <cstring>

#include "archive/archive_files.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "definitions/model_info.h"

CRPMODELDATA MakeCrpModelData(const Machine_Information& model) {
    CRPMODELDATA data;
    std::memset(&data, 0, sizeof data);
    data.modelNo = model.modelNo;
    model.indentName.copy(data.indentName, sizeof data.indentName - 1);
    model.rmCode.copy(data.rmCode, sizeof data.rmCode - 1);
    data.archiveValue = model.archiveValue;
    data.idCode = model.idCode;
    return data;
}

CTK73packArchive::CTK73packArchive() = default;

CTK73packArchive::CTK73packArchive(const char* definitionFile, const char* programFolder, int kind)
    : m_definitionFile(definitionFile != nullptr ? definitionFile : ""),
      m_programFolder(programFolder != nullptr ? programFolder : ""),
      m_kind(kind) {}

CTK73packArchive::~CTK73packArchive() {
    // Both have fixed names in the suite's temporary folder, which the next archive writes
    // over: one that cannot be deleted now is left to it.
    if (!m_binPath.empty()) {
        (void)AecrbsDeleteFile(m_binPath.c_str());
    }
    if (!m_packTextPath.empty()) {
        (void)AecrbsDeleteFile(m_packTextPath.c_str());
    }
}

int CTK73packArchive::LookUpModel(int isRegister, const char* indentName) {
    Machine_Information model;
    if (indentName == nullptr ||
        CMdlInfo().GetMcnInfoForIndentName(isRegister, indentName, &model) == 0) {
        return 0;
    }
    m_modelData = MakeCrpModelData(model);
    return 1;
}

int CTK73packArchive::GetVekModelFromIDCode(uint8_t idCode, CRPMODELDATA* out) {
    Machine_Information model;
    if (out == nullptr || CMdlInfo().GetMcnInfoForIDCode(0, idCode, &model) == 0) {
        return 0;
    }
    *out = MakeCrpModelData(model);
    return 1;
}

int CTK73packArchive::GetVekModelFromModelNo(int modelNo, CRPMODELDATA* out) {
    Machine_Information model;
    if (out == nullptr || CMdlInfo().GetMcnInfoForModelNo(0, modelNo, &model) == 0) {
        return 0;
    }
    *out = MakeCrpModelData(model);
    return 1;
}

int CTK73packArchive::CopyBinToArchive(const char* archivePath) {
    const std::string folder = tk73pack::folderOf(archivePath);
    if (!folder.empty() && AecrbsMakeDirectoryEx(folder.c_str()) != 1) {
        return 0;
    }
    return tk73pack::copyReplacing(m_binPath, archivePath) ? 1 : 0;
}

int CTK73packArchive::PackCrpFile(const char* crpPath, const char* indentName, int fileNo) {
    if (crpPath == nullptr) {
        return 0;
    }
    m_archivePath = crpPath;
    // A model the register list does not know leaves the archive's model data zero-filled.
    (void)LookUpModel(1, indentName);
    m_binPath = tk73pack::tempFile("PgmFile.bin");
    return CreatePackTextFile(fileNo, 0, 0) == 1 && ConvertPackText(true) == 1 &&
                   CopyBinToArchive(crpPath) == 1
               ? 1
               : 0;
}

int CTK73packArchive::PackCrzFile(const char* crzPath, const char* indentName, int first,
                                  int last) {
    if (crzPath == nullptr || first < 1 || last < first) {
        return 0;
    }
    m_archivePath = crzPath;
    // The model data is the register's: its indent name is looked up in the register list.
    // A model the register list does not know leaves the archive's model data zero-filled.
    (void)LookUpModel(1, indentName);
    m_binPath = tk73pack::tempFile("PgmFile.bin");
    return CreatePackTextFile(-1, first, last) == 1 && ConvertPackText(true) == 1 &&
                   CopyBinToArchive(crzPath) == 1
               ? 1
               : 0;
}

int CTK73packArchive::PackBinFile(const char* binPath, const char* text, int fileNo) {
    if (binPath == nullptr) {
        return 0;
    }
    m_binPath = binPath;
    const int result = CreatePackTextFile(fileNo, 0, 0) == 1 && ConvertPackText(true) == 1 ? 1 : 0;
    m_binPath.clear();
    return result;
}

int CTK73packArchive::UnPackCrpFile(const char* crpPath) {
    if (crpPath == nullptr) {
        return 0;
    }
    m_archivePath = crpPath;
    m_binPath = tk73pack::tempFile("PgmFile.bin");
    return AecrbsCopyFile(crpPath, m_binPath.c_str(), 0) == 1 && ConvertPackText(false) == 1 &&
                   ConvertPackTextFileToPgmFile() == 1
               ? 1
               : 0;
}

int CTK73packArchive::UnPackBinFile(const char* binPath, int fileNo) {
    if (binPath == nullptr) {
        return 0;
    }
    m_binPath = binPath;
    const int result = ConvertPackText(false) == 1 && SplitPackText(fileNo) == 1 ? 1 : 0;
    m_binPath.clear();
    if (result == 1 && (fileNo == 4 || fileNo == -1)) {
        return ConvertFILE004InitValue();
    }
    return result;
}
