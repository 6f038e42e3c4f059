#pragma once
// The active store and the three places where its settings live: the store's copy of the model
// definition file, the maintenance folder of program files and the model's default folder.
//
// The active store is the desktop selection. The default and stand-alone layouts keep exactly
// one store, so outside the professional mode (user mode 2) a register tool works on store 1
// without reading the selection; the Vek tool always reads it.

#include "storedb/edb_records.h"

class CTK73opsActiveStoreInfo {
  public:
    // Finds the active store and its register and Vek model records; a lookup that fails leaves
    // its record empty.
    CTK73opsActiveStoreInfo();

    // The paths of the active store's register (vek 0) or Vek controller (vek 1), each in a
    // TK73_MAX_PATH buffer. 0 when there is no active store, its definition copy is missing or
    // its maintenance folder cannot be named.
    int GetPathInfo(char* iniPath, char* mainteFolder, char* defaultFolder, int vek) const;

    const STORE_EDB& GetStore() const { return store_; }
    const MODEL_EDB& GetRegModel() const { return regModel_; }
    const MODEL_EDB& GetVekModel() const { return vekModel_; }

  private:
    STORE_EDB store_;
    MODEL_EDB regModel_;
    MODEL_EDB vekModel_;
};
