#pragma once
// Reading a table of the store database whole into memory and getting its fields by column name
// and record number.
//
// The first line of the file names the columns, so a file whose columns are in another order
// than the definition's reads the same; at most 64 columns are read. Fields hold at most 2047
// bytes: an out buffer of TK73_TABLE_FIELD_SIZE bytes holds any of them.

#include "base/database_frame.h"
#include "platform/api.h"

inline constexpr int TK73_TABLE_FIELD_SIZE = 2048;

struct SFR;

// A reader of the named table ("STORE", "REGMODEL", ...), not yet loaded; null for an unknown
// table, a null frame, or a table whose folder is not configured.
TK73_EXPORT SFR* TK73_API AecrdbCreateSFR(DBC* dbc, const char* table);
// Loads the whole file (again); the number of records, or -1 when the file cannot be opened, has
// no header line, or memory runs out.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbReadRecordSFR(SFR* reader);
// out = the field of the column in the record (from 1). An unknown column, a record beyond the
// count and a null field give the empty text with result 1. A reader not loaded, a null or empty
// column name, or a record below 1 give the empty text and 0.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbGetDataSFR(SFR* reader, const char* column,
                                                         int record, char* out);
// isNull = 0 when the column exists and the record has a value there, else 1; the result as
// AecrdbGetDataSFR.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbGetNullSFR(SFR* reader, const char* column,
                                                         int record, int* isNull);
// Frees the reader and everything it loaded; 0 for null.
TK73_EXPORT int TK73_API AecrdbDeleteSFR(SFR* reader);
