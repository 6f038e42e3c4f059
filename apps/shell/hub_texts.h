#pragma once
// The shell's own texts (its string table).

namespace tk73hub::text {

inline constexpr const char* kTitle = "ECR Setting Tool for LMX/TK series Ver1.00";
inline constexpr const char* kAboutEntry = "About ECR Setting Tool for LMX/TK series...";
inline constexpr const char* kAboutCaption = "About ECR Setting Tool for LMX/TK series";
inline constexpr const char* kFailedToExecute = "Failed to execute %s.";
inline constexpr const char* kSaveModified = "Setting file has modified. Do you want to save it?";
// When the desktop's current store cannot be saved in the user's settings.
inline constexpr const char* kStoreNotCurrent =
    "The store could not be made the current store.\nCheck that your settings can be saved.";
// When the store configuration's copy of the default program files fails.
inline constexpr const char* kDefaultFilesNotCopied =
    "The default program files could not all be copied to the store.\nCheck that the "
    "database folder can be written.";
inline constexpr const char* kAfterInitialize =
    "First of all, in \"System - Branch / Store setting\", please register and store cash "
    "register. \nIf you want to load a backup, please run the \"System - Restore branch data\".";

// The group headers.
inline constexpr const char* kHeaderFile = "File";
inline constexpr const char* kHeaderItem = "Item Programming";
inline constexpr const char* kHeaderImage = "Image Programming";
inline constexpr const char* kHeaderPrint = "Print Programming";
inline constexpr const char* kHeaderOther = "Other Programming";
inline constexpr const char* kHeaderGeneral = "General Programming";
inline constexpr const char* kHeaderTax = "Tax Programming";

// The "System" menu of the pro layout and the "Register" menu of the stand-alone layout.
inline constexpr const char* kOperationMenu = "Operation";
inline constexpr const char* kStoreSetting = "Branch/Store setting...";
inline constexpr const char* kInitialize = "Initialize branch data...";
inline constexpr const char* kBackup = "Backup branch data...";
inline constexpr const char* kRestore = "Restore branch data...";
inline constexpr const char* kConnectionSetting = "Connection setting...";
inline constexpr const char* kTransferHistory = "Transfer history...";
inline constexpr const char* kConnectionBackup = "Backup connection method...";
inline constexpr const char* kConnectionRestore = "Restore connection method...";

}  // namespace tk73hub::text
