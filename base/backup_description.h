#pragma once
// The description file of a backup, "ecrsbkup.ini" beside the backup data folder "ecrsbkup":
// section "ECRSBACKUP" with "BACKUPTYPE" ("SYSTEMBACKUP" or "CONNECTBACKUP"), "BACKUPCODE"
// ("0200", the layout of the data) and "BACKUPDATE" (local time, YYYYMMDDhhmmss).

#include <string>

namespace tk73 {

inline constexpr const char* kSystemBackup = "SYSTEMBACKUP";
inline constexpr const char* kConnectBackup = "CONNECTBACKUP";

// The data folder and the description file of a backup folder.
std::string backupDataFolder(const std::string& backupFolder);
std::string backupDescriptionFile(const std::string& backupFolder);

// Writes the three keys; false when a write fails.
[[nodiscard]] bool writeBackupDescription(const std::string& backupFolder, const char* type);
// Whether the description names this type and the code this system writes.
[[nodiscard]] bool backupDescriptionIs(const std::string& backupFolder, const char* type);

}  // namespace tk73
