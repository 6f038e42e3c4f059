#pragma once
// The program file locations of a store's Vek controller.

#include "programfiles/regvek_pgm_file.h"

class CTK73pgmVekPgmFile : public CTK73pgmRegVekPgmFile {
  public:
    CTK73pgmVekPgmFile() = default;
    explicit CTK73pgmVekPgmFile(int storeNo) { Initialize(storeNo, 1); }

    void AbstractDummy() override {}
    std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(const char* indentName,
                                                                    int storeNo) const override;
    std::unique_ptr<CTK73defRegVekFILEINF> NewCTK73defRegVekFILEINF(
        const char* path) const override;
    std::unique_ptr<CTK73defRegVekPGMFILES> NewCTK73defRegVekPGMFILES(const char* indentName,
                                                                      int storeNo) const override;
    void CreateRegVekModelNoDirName(char* out) const override;
    int GetRegVekPath(char* out) const override;
    // Always "DEFAULT".
    [[nodiscard]] int AddDefDirName(char* folder) const override;
};
