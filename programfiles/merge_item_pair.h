#pragma once
// A merge item resolved on the register and on the Vek controller, and the values of such an
// item over a range of records.

#include <string>

#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_def.h"

namespace tk73pgm {

// Records first to first + count - 1.
struct RecordRange {
    int first = 1;
    int count = 0;
};

struct MergeItemPair {
    int item = 0;
    tagPGMITEMDEF reg;
    tagPGMITEMDEF vek;
    bool hasReg = false;
    bool hasVek = false;

    bool both() const { return hasReg && hasVek; }
    // Both sides define the item and hold the same kind of value (text or number), so the
    // values can be compared and copied.
    bool comparable() const;
    // The records that both sides' ranges hold.
    RecordRange records() const;
};

// Resolves the item of the merge menu on both sides, loading its files. Items 2, 3 and 8 are
// compared and copied as text whatever type a definition gives them.
MergeItemPair resolveMergeItem(CPgmHandle& reg, CPgmHandle& vek, int item);

// The records that both ranges hold (count 0 when none).
RecordRange commonRecords(const RecordRange& a, const RecordRange& b);

// Reads the item over the records into values; false when any record cannot be read.
[[nodiscard]] bool readItemValues(CPgmHandle& handle, tagPGMITEMDEF item, const RecordRange& range,
                                  PGMITEMDATAARRAY& values);

// Writes the values of the records into the item. A record whose value cannot be written (a
// number too wide for the target's item) or was unreadable at its source (a number beyond 64
// bits) keeps its value, and the other records are still written; false when any record was not
// written.
[[nodiscard]] bool writeItemValues(CPgmHandle& handle, tagPGMITEMDEF item, const RecordRange& range,
                                   PGMITEMDATAARRAY& values);

// Text without the blanks that pad it to its item's width.
std::string withoutPadding(const std::string& text);

}  // namespace tk73pgm
