#pragma once
// The register and controller model tables. They are not stored in the database: each object
// copies up to 10 models of its kind from the model lists of the installation ("TK73TOOL.ini").

#include <vector>

#include "storedb/edb_records.h"

class CTK73edbModelBase {
  public:
    virtual ~CTK73edbModelBase() = default;
    virtual void AbstractDummy() = 0;
    // 1 for the register models, 0 for the controller models.
    virtual int IsCurrModeECR() const = 0;

    int GetModelCnt() const { return static_cast<int>(models_.size()); }
    // The lookups clear out first, so a failed one leaves an empty record (status '0').
    [[nodiscard]] int GetModelFromIndex(int index, MODEL_EDB* out) const;
    int GetModelFromModelNo(int modelNo, MODEL_EDB* out) const;
    [[nodiscard]] int IsExistModelNo(int modelNo) const;

  protected:
    CTK73edbModelBase() = default;
    // Reads the models of the object's kind; the forms call it once they are made.
    void Load();

  private:
    std::vector<MODEL_EDB> models_;
};

class CTK73edbModel : public CTK73edbModelBase {
  public:
    // The first object made on a machine without a database folder makes the folder with empty
    // tables, and the desktop then selects no branch, store or register ("999").
    CTK73edbModel();
    void AbstractDummy() override {}
    int IsCurrModeECR() const override { return 1; }
};

class CTK73edbVekModel : public CTK73edbModelBase {
  public:
    CTK73edbVekModel() { Load(); }
    void AbstractDummy() override {}
    int IsCurrModeECR() const override { return 0; }
};
