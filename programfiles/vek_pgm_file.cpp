#include "programfiles/vek_pgm_file.h"

#include <cstring>

#include "base/file_utils.h"
#include "base/install_folders.h"

std::unique_ptr<CTK73defRegVekFILEINF> CTK73pgmVekPgmFile::NewCTK73defRegVekFILEINF(
    const char* indentName, int storeNo) const {
    return std::make_unique<CTK73defVekFILEINF>(indentName, storeNo);
}

std::unique_ptr<CTK73defRegVekFILEINF> CTK73pgmVekPgmFile::NewCTK73defRegVekFILEINF(
    const char* path) const {
    return std::make_unique<CTK73defVekFILEINF>(path);
}

std::unique_ptr<CTK73defRegVekPGMFILES> CTK73pgmVekPgmFile::NewCTK73defRegVekPGMFILES(
    const char* indentName, int storeNo) const {
    return std::make_unique<CTK73defVekPGMFILES>(indentName, storeNo);
}

void CTK73pgmVekPgmFile::CreateRegVekModelNoDirName(char* out) const {
    std::strcpy(out, "O001");
}

int CTK73pgmVekPgmFile::GetRegVekPath(char* out) const {
    return AecrbsGetTK73VekPath(out);
}

int CTK73pgmVekPgmFile::AddDefDirName(char* folder) const {
    return AecrbsAddPath(folder, "DEFAULT");
}
