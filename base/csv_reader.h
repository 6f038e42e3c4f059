#pragma once
// The reader of the store tables' comma-separated files: one record at a time, as an array of
// freshly allocated field strings.
//
// Lines end with LF or CR LF (read as LF). A field starting with a quote is quoted: inside it
// commas and line ends are data and a doubled quote is one quote; text after its closing quote
// is appended as it stands. A quote inside an unquoted field is an ordinary character. Fields
// keep at most 2047 bytes (the rest is dropped); a last line without a line end is not
// delivered.

#include "base/arguments.h"
#include "platform/api.h"

struct CSVR;

// A reader at the start of the file; null when it cannot be opened or memory runs out.
TK73_EXPORT CSVR* TK73_API AecrbsCreateCSVR(APC* apc, const char* path);
// 1 and the next record's first count fields (each freed with AecrbsFree by the caller; fields
// the record does not have stay null; further fields are skipped); 0 at the end of the data with
// every entry null.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsReadCsvRecord(CSVR* reader, char** fields, int count);
// Closes the file and frees the reader; 0 for null.
TK73_EXPORT int TK73_API AecrbsDeleteCSVR(CSVR* reader);
