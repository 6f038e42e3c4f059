#pragma once
// The program file locations of a store's register.

#include "programfiles/regvek_pgm_file.h"

class CTK73pgmPgmFile : public CTK73pgmRegVekPgmFile {
  public:
    CTK73pgmPgmFile() = default;
    explicit CTK73pgmPgmFile(int storeNo) { Initialize(storeNo, 0); }

    void AbstractDummy() override {}
    std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(const char* indentName,
                                                                    int storeNo) const override;
    std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(
        const char* path) const override;
    std::unique_ptr<CTK73defRegVekPGMFILES> NewCTK73defRegVekPGMFILES(const char* indentName,
                                                                      int storeNo) const override;
    void CreateRegVekModelNoDirName(char* out) const override;
    int GetRegVekPath(char* out) const override;
    // "DEFAULTVEK" when the store has a Vek controller, else "DEFAULT".
    [[nodiscard]] int AddDefDirName(char* folder) const override;
};
