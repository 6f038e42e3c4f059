#include "programfiles/pgm_file.h"

#include <cstring>

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "storedb/edb_store.h"

std::unique_ptr<CTK73defRegVekFILEINF> CTK73pgmPgmFile::NewCTK73defRegVekFILEINF(
    const char* indentName, int storeNo) const {
    return std::make_unique<CTK73defFILEINF>(indentName, storeNo);
}

std::unique_ptr<CTK73defRegVekFILEINF> CTK73pgmPgmFile::NewCTK73defRegVekFILEINF(
    const char* path) const {
    return std::make_unique<CTK73defFILEINF>(path);
}

std::unique_ptr<CTK73defRegVekPGMFILES> CTK73pgmPgmFile::NewCTK73defRegVekPGMFILES(
    const char* indentName, int storeNo) const {
    return std::make_unique<CTK73defPGMFILES>(indentName, storeNo);
}

void CTK73pgmPgmFile::CreateRegVekModelNoDirName(char* out) const {
    std::strcpy(out, "M001");
}

int CTK73pgmPgmFile::GetRegVekPath(char* out) const {
    return AecrbsGetTK73RegisterPath(out);
}

int CTK73pgmPgmFile::AddDefDirName(char* folder) const {
    // A register that works with a Vek controller has defaults of its own, made to fit it.
    int withVek = 0;
    // A store the table does not know works without one.
    (void)CTK73edbStore().GetWithVek(GetStoreNo(), &withVek, nullptr);
    return AecrbsAddPath(folder, withVek ? "DEFAULTVEK" : "DEFAULT");
}
