#pragma once
// What a save may change: a copy of a maintenance folder taken before the editor runs, into
// which the test writes, through a program file handle of its own, exactly the items it edited.
// Afterwards the maintenance folder must hold the same bytes as the copy, file for file, so a
// save that writes anything else (or not what was edited) shows as a difference.

#include <cstdint>
#include <string>
#include <vector>

#include "apps/editors/testing/staged_store.h"
#include "programfiles/pgm_handle.h"

namespace tk73editortest {

class ExpectedFiles {
  public:
    // Copies the target's maintenance folder into copyFolder.
    ExpectedFiles(const StagedStore& store, int target, const std::string& copyFolder);

    // Writes an item value into the copy (record 0: the item's first record, for a function item
    // the record of its function); false when the item cannot be written or the copy could not
    // be opened.
    bool Write(int menuNo, int itemNo, int record, uint64_t value);
    bool Write(int menuNo, int itemNo, int record, const std::string& text);

    // The names of the files in which the maintenance folder and the copy differ, and the files
    // that only one of them holds.
    std::vector<std::string> Differences() const;

  private:
    bool WriteValue(int menuNo, int itemNo, int record, const void* value, int length);

    std::string mainteFolder_;
    std::string copyFolder_;
    CPgmHandle handle_;
    bool opened_ = false;
};

}  // namespace tk73editortest
