#pragma once
// The partial PLU archive ("Part PLU file", CRZ) of the active store.

class CTK73opsCrz {
  public:
    // Every archived file of the register with the PLU file cut to records first..last; the
    // result of the packer.
    int SaveCrzFile(const char* path, int first, int last);
};
