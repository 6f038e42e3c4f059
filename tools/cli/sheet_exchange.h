#pragma once
// The spreadsheet side of export and import: program files written as one .xlsx workbook, and
// a spreadsheet file (.xlsx, .ods or a spreadsheet's CSV) read into a program file through the
// preview of its changes.

#include <string>

#include "tools/cli/command_line.h"

namespace tk73cli {

// export --xlsx: the files of --file (a comma list) of the store as a workbook at out. Answers the
// exit code.
int ExportWorkbook(const CommandLine& line, int storeNo, int kind, const std::string& out);

// import of a spreadsheet file: prints the preview (--json: as JSON) and, unless --preview,
// writes the changes once the question is answered Yes, all or nothing unless --valid-only.
// Answers the exit code.
int ImportSpreadsheet(const CommandLine& line, int storeNo, int kind, int fileNo,
                      const std::string& in);

}  // namespace tk73cli
