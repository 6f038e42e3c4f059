#include "base/database_operations.h"

#include <filesystem>
#include <optional>
#include <string>

#include "base/backup_description.h"
#include "base/database_frame.h"
#include "base/database_frame_state.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "base/retry_rule.h"
#include "platform/path_rule.h"

namespace fs = std::filesystem;

namespace tk73 {

namespace {

// The tables a connect information backup carries, in the order they are copied.
constexpr const char* kConnectTables[] = {"REGISTER.edb", "STORE.edb"};

std::optional<std::string> configuredFolder(int (*get)(char*)) {
    char folder[TK73_MAX_PATH];
    if (get(folder) == 0 || folder[0] == '\0') {
        return std::nullopt;
    }
    return std::string(folder);
}

// Whether the folder is the other one or lies below it.
bool isWithin(const std::string& folder, const std::string& other) {
    std::error_code error;
    const fs::path inner = fs::weakly_canonical(fs::path(folder), error);
    const fs::path outer = fs::weakly_canonical(fs::path(other), error);
    auto innerPart = inner.begin();
    for (auto outerPart = outer.begin(); outerPart != outer.end(); ++outerPart, ++innerPart) {
        if (outerPart->empty()) {
            continue;  // the trailing separator of a folder path
        }
        if (innerPart == inner.end() || *innerPart != *outerPart) {
            return false;
        }
    }
    return true;
}

// The database folder and the backup folder of the job, when both are there and apart: a backup
// that lies inside the database would be deleted by the restore that needs it.
struct BackupPlace {
    std::string database;
    std::string backup;
    std::string data;
};

std::optional<BackupPlace> backupPlace(DBC& frame) {
    const std::optional<std::string> database = configuredFolder(AecrbsGetTK73DataBasePath);
    const char* backup = nullptr;
    // Fails only for a frame without arguments; backup then stays null, refused below.
    (void)AecrbsGetArgByString(frame.args, "Backup", &backup);
    if (!database || backup == nullptr || backup[0] == '\0') {
        return std::nullopt;
    }
    BackupPlace place{*database, backup, backupDataFolder(backup)};
    if (isWithin(place.data, place.database) || isWithin(place.database, place.data)) {
        return std::nullopt;
    }
    return place;
}

bool clearFolder(const std::string& folder) {
    return AecrbsResetAttribute(folder.c_str()) != 0 && AecrbsDeleteDirectory(folder.c_str()) != 0;
}

bool copyTree(const std::string& source, const std::string& target) {
    return withRetries([&] { return AecrbsCopyDirectory(source.c_str(), target.c_str()) != 0; });
}

bool copyConnectTables(const std::string& from, const std::string& to) {
    for (const char* table : kConnectTables) {
        const std::string source = joinPath(from, table);
        const std::string target = joinPath(to, table);
        if (!withRetries([&] { return AecrbsCopyFile(source.c_str(), target.c_str(), 0) != 0; })) {
            return false;
        }
    }
    return true;
}

bool resetTree(const std::string& folder) {
    return withRetries([&] { return AecrbsResetAttribute(folder.c_str()) != 0; });
}

// A fresh, empty backup data folder.
bool prepareBackupData(const std::string& data) {
    if (AecrbsCheckDirectory(data.c_str()) != 0 &&
        !withRetries([&] { return clearFolder(data); })) {
        return false;
    }
    return withRetries([&] { return AecrbsMakeDirectory(data.c_str()) != 0; });
}

bool systemBackup(DBC& frame) {
    const std::optional<BackupPlace> place = backupPlace(frame);
    return place && prepareBackupData(place->data) && copyTree(place->database, place->data) &&
           writeBackupDescription(place->backup, kSystemBackup);
}

bool connectBackup(DBC& frame) {
    const std::optional<BackupPlace> place = backupPlace(frame);
    return place && prepareBackupData(place->data) &&
           copyConnectTables(place->database, place->data) &&
           writeBackupDescription(place->backup, kConnectBackup);
}

// The backup of the job when its data folder is there and its description names the type.
std::optional<BackupPlace> backupToRestore(DBC& frame, const char* type) {
    std::optional<BackupPlace> place = backupPlace(frame);
    if (!place || AecrbsCheckDirectory(place->data.c_str()) == 0 ||
        !backupDescriptionIs(place->backup, type)) {
        return std::nullopt;
    }
    return place;
}

bool systemRestore(DBC& frame) {
    // The template goes in first, so that a table the backup lacks is there afterwards.
    const std::optional<BackupPlace> place = backupToRestore(frame, kSystemBackup);
    return place && initialiseDatabase() && copyTree(place->data, place->database) &&
           resetTree(place->database);
}

bool connectRestore(DBC& frame) {
    const std::optional<BackupPlace> place = backupToRestore(frame, kConnectBackup);
    return place && copyConnectTables(place->data, place->database) && resetTree(place->database);
}

}  // namespace

const char* databaseOperationMessage(int operation) {
    switch (operation) {
        case AECRDB_SYSTEM_INITIALIZE:
            return "System Initialize ...";
        case AECRDB_SYSTEM_BACKUP:
            return "System Backup ...";
        case AECRDB_SYSTEM_RESTORE:
            return "System Restore ...";
        case AECRDB_DATA_DELETE:
            return "Data Delete ...";
        case AECRDB_CONNECT_BACKUP:
            return "Connect Information Backup ...";
        case AECRDB_CONNECT_RESTORE:
            return "Connect Information Restore ...";
        default:
            return nullptr;
    }
}

bool initialiseDatabase() {
    const std::optional<std::string> database = configuredFolder(AecrbsGetTK73DataBasePath);
    const std::optional<std::string> source = configuredFolder(AecrbsGetTK73TemplatePath);
    const std::optional<std::string> temp = configuredFolder(AecrbsGetTK73TempPath);
    // Without a template to copy, the database is not deleted in the first place.
    if (!database || !source || !temp || AecrbsCheckDirectory(source->c_str()) == 0) {
        return false;
    }
    if (AecrbsCheckDirectory(database->c_str()) != 0 &&
        !withRetries([&] { return clearFolder(*database); })) {
        return false;
    }
    return copyTree(*source, *database) &&
           withRetries([&] { return AecrbsMakeDirectory(temp->c_str()) != 0; });
}

int runDatabaseOperation(DBC& frame) {
    switch (frame.operation) {
        case AECRDB_SYSTEM_INITIALIZE:
            return initialiseDatabase() ? 1 : 0;
        case AECRDB_SYSTEM_BACKUP:
            return systemBackup(frame) ? 1 : 0;
        case AECRDB_SYSTEM_RESTORE:
            return systemRestore(frame) ? 1 : 0;
        case AECRDB_CONNECT_BACKUP:
            return connectBackup(frame) ? 1 : 0;
        case AECRDB_CONNECT_RESTORE:
            return connectRestore(frame) ? 1 : 0;
        default:
            return 0;  // "Data Delete ..." has no operation behind it
    }
}

}  // namespace tk73
