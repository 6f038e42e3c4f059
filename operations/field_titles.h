#pragma once
// The fields of a program file as a model's definition describes them: their places in a record
// and their titles ("FILE%04d" and "FIELD_TITLES").

#include <string>
#include <vector>

#include "definitions/field_info.h"
#include "storedb/edb_records.h"

namespace tk73ops {

// The store's copy of the definition of its register (vek false) or Vek controller; empty when
// the store has no such model.
std::string StoreDefinitionFile(const STORE_EDB& store, bool vek);

class FieldTitles {
  public:
    // The definition file of a register (vek false) or Vek controller.
    FieldTitles(std::string definitionFile, bool vek);

    // The fields of the program file that the program view shows, in record order.
    std::vector<FIELD_INFO> Fields(int fileNo) const;
    // The field number whose title is the text (blanks around either ignored); 0 when none.
    int FieldNoOf(const std::string& title) const;
    // The title of the field number; empty when the definition has none.
    std::string TitleOf(int fieldNo) const;
    // The field number of the record's field at the index (1: the first after the record
    // number) among the fields; 0 when the definition names none there.
    static int FieldNoAt(const std::vector<FIELD_INFO>& fields, int fieldIndex);

  private:
    std::string definition_;
    bool vek_;
};

}  // namespace tk73ops
