#pragma once
// The open and save pickers of the CSV exchange: CSV files only, starting in the folder the
// definition remembers for the direction ("INIPATH" of "FILE_EXPORT" or "FILE_IMPORT"), or in the
// user's documents when that folder is gone.

#include <optional>
#include <string>

namespace tk73xch {

enum class CsvDirection { Export, Import };

// Asks for the CSV file to write (Export) or read (Import); fileName is the name proposed.
// Nothing when the user cancelled.
std::optional<std::string> pickCsvFile(CsvDirection direction, const char* definitionFile, int kind,
                                       const std::string& fileName);

// Remembers the folder of the chosen file as the direction's "INIPATH".
void rememberCsvFolder(CsvDirection direction, const char* definitionFile, int kind,
                       const std::string& chosen);

}  // namespace tk73xch
