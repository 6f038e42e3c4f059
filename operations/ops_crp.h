#pragma once
// Archive files and the store data: an "ECR Auto PGM file" (CRP) opened as a fresh working
// store, and the active store saved as a CRP archive with its controller's part behind the
// register's.

#include "archive/pack_archive.h"

class CTK73opsCrp {
  public:
    // mode: the user mode of the layout; only the single-store layouts (0 and 1) may replace the
    // store database with an opened archive.
    explicit CTK73opsCrp(int mode);

    // Reads the archive at path (a TK73_MAX_PATH buffer; empty: the user picks one, and the
    // choice is put there) into a new working store for the default register model, with the
    // controller the archive carries. The whole archive is unpacked and checked before the store
    // database is touched, so a damaged one leaves it as it was. 1 when the store holds the
    // archive's settings.
    int OpenCrpFile(char* path, int, int);
    // Writes the active store's settings to path (empty: the user picks a name, ".crp" added to
    // one without an extension, an existing file only after the user agreed). The archive is
    // made beside the target and renamed over it. 1 when it was written.
    int SaveCrpFile(const char* path);
    // The register model of the RM code, as the archive keeps it.
    int GetCrpModelDataFromRmCode(const char* rmCode, CRPMODELDATA* out);

  private:
    int m_mode;
};
