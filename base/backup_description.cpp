#include "base/backup_description.h"

#include <cstring>

#include "base/date_time.h"
#include "platform/ini_profile.h"
#include "platform/path_rule.h"

namespace tk73 {

namespace {

constexpr const char* kSection = "ECRSBACKUP";
constexpr const char* kCode = "0200";

bool keyIs(const std::string& file, const char* key, const char* expected) {
    char value[4096];
    tk73_GetPrivateProfileStringA(kSection, key, "", value, sizeof value, file.c_str());
    return std::strcmp(value, expected) == 0;
}

}  // namespace

std::string backupDataFolder(const std::string& backupFolder) {
    return joinPath(backupFolder, "ecrsbkup");
}

std::string backupDescriptionFile(const std::string& backupFolder) {
    return joinPath(backupFolder, "ecrsbkup.ini");
}

bool writeBackupDescription(const std::string& backupFolder, const char* type) {
    const std::string file = backupDescriptionFile(backupFolder);
    char now[15];
    AecrbsGetYYYYMMDDhhmmss(now);
    return tk73_WritePrivateProfileStringA(kSection, "BACKUPTYPE", type, file.c_str()) != 0 &&
           tk73_WritePrivateProfileStringA(kSection, "BACKUPCODE", kCode, file.c_str()) != 0 &&
           tk73_WritePrivateProfileStringA(kSection, "BACKUPDATE", now, file.c_str()) != 0;
}

bool backupDescriptionIs(const std::string& backupFolder, const char* type) {
    const std::string file = backupDescriptionFile(backupFolder);
    return keyIs(file, "BACKUPTYPE", type) && keyIs(file, "BACKUPCODE", kCode);
}

}  // namespace tk73
