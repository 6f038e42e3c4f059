#pragma once
// The writer of the store tables' comma-separated files: a record is built item by item and
// written as one line ending in CR LF. The file is written as text: a LF inside an item goes out
// as CR LF, which the reader takes back as LF (so an item's CR before a LF is kept).
//
// A record holds at most 8191 bytes (a LF counted once) and a quoted item (its quotes and doubled
// quotes included) at most 4095. An item that would pass either limit is refused, and the record it
// was meant for can then no longer be written: a record that lacks one of its items would put every
// later field in the wrong column. Such a record is cancelled (AecrbsCancelCsvRecord) and the
// file keeps only whole records.

#include "base/arguments.h"
#include "platform/api.h"

struct CSVW;

// A writer on a new or truncated file; null when it cannot be created or memory runs out.
TK73_EXPORT CSVW* TK73_API AecrbsCreateCSVW(APC* apc, const char* path);
// Appends one item: after a comma unless it is the record's first item (an empty or null first
// item counts as one). A quoted item is put in quotes with each quote inside doubled; a null
// item is an empty field and never quoted. 0 when the item is refused (see above).
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsSetCsvReitem(CSVW* writer, const char* item,
                                                           int quote);
// Writes the record and CR LF and starts an empty record (an empty record is an empty line).
// 0 when the record was refused an item or the write fails; the record is then kept as it is.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsWriteCsvRecord(CSVW* writer);
// Drops the record being built.
TK73_EXPORT int TK73_API AecrbsCancelCsvRecord(CSVW* writer);
// Closes the file and frees the writer, dropping a record still being built. 0 for null, and
// when the file could not be completed on disk.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsDeleteCSVW(CSVW* writer);
