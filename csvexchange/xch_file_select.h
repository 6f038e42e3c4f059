#pragma once
// The file selection dialog of the CSV export and import ("Select file") as they ask the
// user-interaction seam for it: the program files offered, each with its number and name, go in;
// the chosen file number comes out when the dialog closes with Ok.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"

namespace tk73xch {

enum class FileSelectMode { Export, Import };

struct FileSelectRow {
    int fileNo = 0;
    std::string name;
};

// The caption of the dialog's messages.
inline constexpr const char* kCsvCaption = "CSV operation";
// The export's name of file 92, which is no program file of its own.
inline constexpr const char* kIntegrationTitle = "Data integration format";
inline constexpr int kIntegrationFileNo = 92;

struct FileSelectRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "SelectFile";
    static constexpr const char* kTitle = "Select file";
    static constexpr const char* kPrompt = "Select target file.";
    static constexpr const char* kNoSelection = "File is not selected.";

    std::string_view dialogName() const override { return kName; }

    FileSelectMode mode = FileSelectMode::Export;
    std::vector<FileSelectRow> rows;
    // The choice, valid once the dialog has closed with Ok.
    int fileNo = -1;
};

// The rows of the mode: "FILES" of "FILE_EXPORT" or "FILE_IMPORT" in their order, each named by
// "PGMFILES" of the store's definition of the kind.
std::vector<FileSelectRow> fileSelectRows(FileSelectMode mode, const char* indentName, int storeNo,
                                          int kind);

// Shows the dialog for the store's files; the chosen file number, or -1 when cancelled.
[[nodiscard]] int selectProgramFile(FileSelectMode mode, const char* indentName, int storeNo,
                                    int kind);

}  // namespace tk73xch
