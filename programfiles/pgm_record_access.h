#pragma once
// Reads and writes of the items of one file over a range of records, for the access engine of
// the program file handle.

#include <vector>

#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_item_places.h"
#include "programfiles/pgm_open_file.h"

namespace tk73pgm {

// The items of one file in one read or write: their places, their values (element i for record
// first + i) and the records that lie within the range of every one of them.
struct FileItems {
    ItemPlaces& places;
    const std::vector<const tagPGMITEMDEF*>& items;
    const std::vector<tagPGMITEMDATA*>& values;
    long rangeFirst;
    long rangeEnd;
};

// Reads the items of records first to end - 1 into their values; false at the first record or
// item that fails.
[[nodiscard]] bool readRecords(const PgmLoadedFile& file, const FileItems& access, long first,
                               long end);

// Writes the values into the items of records first to end - 1; false at the first record or
// item that fails (what was written before stays written).
[[nodiscard]] bool writeRecords(PgmOpenFile& open, const FileItems& access, long first, long end);

}  // namespace tk73pgm
