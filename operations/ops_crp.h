#pragma once
// Archive files and the store data: an "ECR Auto PGM file" (CRP) opened as a fresh working
// store, and the active store saved as a CRP archive with its controller's part behind the
// register's.

#include "archive/pack_archive.h"

class CTK73opsCrp {
  public:
    // mode: the user mode of the layout; only the single-store layouts (0 and 1) may replace the
    // store database with an opened archive, the professional layout (2) loads it into the
    // selected store.
    explicit CTK73opsCrp(int mode);

    // Reads the archive at path (a TK73_MAX_PATH buffer; empty: the user picks one, and the
    // choice is put there). Modes 0 and 1: into a new working store for the default register
    // model, with the controller the archive carries. Mode 2: into the active store, whose
    // register model (and controller model, for a controller's part) the archive must have. The
    // whole archive is unpacked and checked before the store database or a store file is
    // touched, so a damaged one leaves them as they were. 1 when the store holds the archive's
    // settings, -1 when the user cancelled the choice of the archive, 0 on failure.
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
