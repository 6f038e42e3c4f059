#pragma once
// The texts the detail setting tool shows.

namespace tk73dtl {

inline constexpr const char* kAppTitle = "Detail setting";
inline constexpr const char* kCreate = "CREATE";
inline constexpr const char* kOpen = "OPEN";
inline constexpr const char* kWriteData = "Write data";
inline constexpr const char* kReadFile = "Read file";
inline constexpr const char* kFromDatabase = "From database";
inline constexpr const char* kFromCsvFile = "From CSV file";
inline constexpr const char* kFromDatFile = "From DAT file";
inline constexpr const char* kTarget = "Target";
inline constexpr const char* kSelectFileTitle = "Select file";
inline constexpr const char* kSelectAll = "Select all";
inline constexpr const char* kDeselectAll = "Deselect all";
inline constexpr const char* kPreset = "Preset";
inline constexpr const char* kSend = "Send";
inline constexpr const char* kReceive = "Receive";
inline constexpr const char* kSystemFilesHint =
    "(*) Please select individually,if you set system files.";
inline constexpr const char* kPluHint = "(*) PLU(004) need to be sent with Menu update(998) file.";
inline constexpr const char* kFileList = "File list";
inline constexpr const char* kField = "Field";
inline constexpr const char* kDisplaySetting = "Display setting";
inline constexpr const char* kOperationCode = "Operation code:";
inline constexpr const char* kFileTitle = "File Title:";
inline constexpr const char* kIconTitle = "Icon Title:";
inline constexpr const char* kShowIcon = "Show Icon?";
inline constexpr const char* kFieldAttribute = "Field attribute setting";
inline constexpr const char* kFieldTitle = "Title:";
inline constexpr const char* kDisplay = "Display";
inline constexpr const char* kEditable = "Editable";
inline constexpr const char* kMask = "Mask:";
inline constexpr const char* kYes = "YES";
inline constexpr const char* kNo = "NO";
inline constexpr const char* kOn = "ON";
inline constexpr const char* kOff = "OFF";
// The definition file is the only place these settings live: a write that did not stick must
// not pass unnoticed, or the dealer leaves the store believing it is set up.
inline constexpr const char* kSettingNotStored = "The setting could not be stored.";
inline constexpr const char* kEditorNotStarted = "The data editor could not be started.";

}  // namespace tk73dtl
