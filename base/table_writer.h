#pragma once
// Writing a table of the store database whole: the writer collects the records in a temporary
// file and replaces the table with it when it is deleted.
//
// The file's first line names the definition's columns; every record has them all, in that
// order, each value quoted (a null value is an empty, unquoted field). The replacement is
// atomic: the table is either the old one or the complete new one, never a mixture, also after a
// crash or on a full disk.

#include "base/database_frame.h"
#include "platform/api.h"

struct SFW;

// A writer for the named table, its temporary file ("Aecrdb...edb" in the suite's temporary
// folder) already holding the header line; null on any failure, the temporary file then removed.
TK73_EXPORT SFW* TK73_API AecrdbCreateSFW(DBC* dbc, const char* table);
// Sets the column of the current record to a copy of the value (null: no value); an unknown
// column is ignored with result 1.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetDataSFW(SFW* writer, const char* column,
                                                         const char* value);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetNullSFW(SFW* writer, const char* column);
// Writes the current record and starts an empty one. 0 when it cannot be written (a value too
// long for a record line, a write error): the table then keeps its old contents.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbWriteRecordSFW(SFW* writer);
// Replaces the table with the records written and frees the writer, removing the temporary
// file. 0 when the table could not be replaced or a record was lost on the way; the old table
// then stays as it was.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbDeleteSFW(SFW* writer);
