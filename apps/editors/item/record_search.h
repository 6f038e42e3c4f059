#pragma once
// The searches of the item lists: the memory jump to a record by its memory number, and the name
// search ("Find Next") that looks for a text inside the records' names, with or without regard
// to letter case, forward or backward from the record after (or before) the selected one. The
// names are searched in the program file through the handle, so a search over tens of thousands
// of records reads no record twice and copies none.

#include <string>

#include "programfiles/pgm_handle.h"

namespace tk73item {

struct NameSearch {
    std::string text;
    bool caseSensitive = false;
    bool forward = true;
};

class RecordSearch {
  public:
    // nameItem: the set's name item, resolved; its range is the set's records.
    RecordSearch(CPgmHandle& handle, const tagPGMITEMDEF& nameItem);

    // The record of the memory number (the record number), or -1 outside the set's records.
    [[nodiscard]] int MemoryJump(int memoryNo) const;

    // The first record whose name holds the text, searching from the record after the current
    // one (forward) or before it (backward); current 0 (nothing selected) starts at the first or
    // the last record. -1 when no record matches before the end of the records, or the text is
    // empty or longer than a name.
    [[nodiscard]] int FindNext(int current, const NameSearch& search);

  private:
    int LastRecord() const { return nameItem_.nFirstRecord + nameItem_.nRecordCount - 1; }

    CPgmHandle& handle_;
    tagPGMITEMDEF nameItem_;
};

}  // namespace tk73item
