#pragma once
// The texts the data editor shows.

namespace tk73edit {

inline constexpr const char* kAppTitle = "Auto PGM editor";
inline constexpr const char* kNoIniFile = "Could not found INI file.";
inline constexpr const char* kNoEditField = "Not found edit field.";
inline constexpr const char* kCannotEdit = "Cannot edit this field";
inline constexpr const char* kOtherFieldClip = "The clipboard holds data of another field.";
inline constexpr const char* kRecordClipMismatch =
    "The clipboard does not hold a record of this file, or a field of it cannot be edited.";
inline constexpr const char* kChangedOnDisk =
    "Another program has changed %s since it was opened here.\n"
    "Overwrite it with the data shown here?";
inline constexpr const char* kSaveChanges = "Save changes to %s?";
inline constexpr const char* kSaveFailed = "Could not write %s.";
inline constexpr const char* kReadFailed = "Could not read %s.";
inline constexpr const char* kExchangeCopyFailed = "Failed to save setting.";
inline constexpr const char* kCsvReadNotStrict =
    "Data read check is not strict in auto program mode.";
inline constexpr const char* kWriteData = "Write data";
inline constexpr const char* kReadData = "Read data";
inline constexpr const char* kFromDatabase = "From Database";
inline constexpr const char* kFromCsvFile = "From CSV file";
inline constexpr const char* kToCsvFile = "To CSV file";
inline constexpr const char* kToSpreadsheet = "To spreadsheet...";
inline constexpr const char* kFromSpreadsheet = "From spreadsheet...";

inline constexpr const char* kStoreNamePane = "Store name";
inline constexpr const char* kMachineTypePane = "Machine type";
inline constexpr const char* kFileNamePane = "File name";
inline constexpr const char* kAppendIndicator = "APPEND";

}  // namespace tk73edit
