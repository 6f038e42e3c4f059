#include "storedb/sys_mainte.h"

#include "base/database_frame.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "storedb/sys_init.h"

namespace tk73store {

namespace {

constexpr const char* kBackupFolderValue = "BACKUPFOLDER";

using tk73::Button;
using tk73::Buttons;
using tk73::MessageIcon;

}  // namespace

bool SysMaintenance::isBackup() const {
    return kind_ == SysMainteKind::SystemBackup || kind_ == SysMainteKind::ConnectBackup;
}

bool SysMaintenance::isRestore() const {
    return kind_ == SysMainteKind::SystemRestore || kind_ == SysMainteKind::ConnectRestore;
}

const char* SysMaintenance::title() const {
    switch (kind_) {
        case SysMainteKind::SystemInit:
            return "System all clear";
        case SysMainteKind::SystemBackup:
            return "System backup";
        case SysMainteKind::SystemRestore:
            return "System restore";
        case SysMainteKind::ConnectBackup:
            return "Connection information backup";
        case SysMainteKind::ConnectRestore:
            break;
    }
    return "Connection information restore";
}

const char* SysMaintenance::caption() const {
    if (isBackup()) {
        return "System backup";
    }
    return isRestore() ? "System restore" : "System all clear";
}

const char* SysMaintenance::prompt() const {
    if (isBackup()) {
        return "Start system backup.\nPlease enter backup folder.";
    }
    if (isRestore()) {
        return "Start system restore. All data will be restored.\nPlease enter backup folder.";
    }
    return "Do you want to initialize system?\nAll data will be cleared executing initialize.";
}

int SysMaintenance::operation() const {
    switch (kind_) {
        case SysMainteKind::SystemInit:
            return AECRDB_SYSTEM_INITIALIZE;
        case SysMainteKind::SystemBackup:
            return AECRDB_SYSTEM_BACKUP;
        case SysMainteKind::SystemRestore:
            return AECRDB_SYSTEM_RESTORE;
        case SysMainteKind::ConnectBackup:
            return AECRDB_CONNECT_BACKUP;
        case SysMainteKind::ConnectRestore:
            break;
    }
    return AECRDB_CONNECT_RESTORE;
}

std::string SysMaintenance::initialFolder() const {
    char folder[4096] = {};
    AecrbsGetRegistryCurrentUserSystemString(nullptr, folder, sizeof folder, kBackupFolderValue);
    if (folder[0] == '\0') {
        char fallback[TK73_MAX_PATH] = {};
        AecrbsGetTK73BackUpDefaultFolder(fallback);
        return fallback;
    }
    return folder;
}

bool SysMaintenance::confirm(const char* question) const {
    // Every command asked for replaces data: a backup the earlier backup in the folder, a
    // restore or the initialisation the database. Cancel is the default answer.
    return tk73::ui().question(question, caption(), Buttons::OkCancel, Button::Cancel,
                               MessageIcon::Exclamation) == Button::Ok;
}

bool SysMaintenance::prepareBackupFolder(const std::string& folder) const {
    // An empty field names no folder; creating "" would report success without one.
    if (folder.empty()) {
        tk73::ui().message("Please select the folder.", caption(), MessageIcon::Information);
        return false;
    }
    if (AecrbsCheckDirectory(folder.c_str()) == 1) {
        return true;
    }
    if (tk73::ui().question("The folder doesn't exist. Do you want to create?", caption(),
                            Buttons::YesNo, Button::Yes, MessageIcon::Question) != Button::Yes) {
        tk73::ui().message("Please change the folder to select.", caption(),
                           MessageIcon::Information);
        return false;
    }
    if (AecrbsMakeDirectory(folder.c_str()) != 1) {
        tk73::ui().message("Could not create folder. Please make sure the folder.", caption(),
                           MessageIcon::Error);
        return false;
    }
    return true;
}

bool SysMaintenance::checkRestoreFolder(const std::string& folder) const {
    if (folder.empty()) {
        tk73::ui().message("Please select the folder.", caption(), MessageIcon::Information);
        return false;
    }
    if (AecrbsCheckDirectory(folder.c_str()) != 1) {
        tk73::ui().message("The folder doesn't exist.", caption(), MessageIcon::Information);
        return false;
    }
    return true;
}

void SysMaintenance::report(bool done) const {
    if (done) {
        tk73::ui().message("Normal End.", caption(), MessageIcon::Information);
    } else {
        tk73::ui().message(
            "Error end.\nIn case of occur the error again. Please reboot Windows OS.", caption(),
            MessageIcon::Error);
    }
}

bool SysMaintenance::accept(const std::string& folder) {
    bool done = false;
    if (isBackup() || isRestore()) {
        const bool ready = isBackup() ? prepareBackupFolder(folder) : checkRestoreFolder(folder);
        if (!ready || !confirm(isBackup() ? "Are you sure to start back up?"
                                          : "Are you sure to start restore?")) {
            return false;
        }
        done = CTK73mntSysInit().Execute(operation(), folder.c_str(), 1) == 1;
        if (done) {
            // The backup is made; a folder that cannot be remembered is only not offered the
            // next time.
            (void)AecrbsSetRegistryCurrentUserSystemString(nullptr, kBackupFolderValue,
                                                           folder.c_str());
        }
    } else {
        if (!confirm("Are you sure to start clear system?")) {
            return false;
        }
        done = CTK73mntSysInit().Execute(operation(), nullptr, 1) == 1;
        // Every tool starts without a store once the stores are gone.
        done = done && AecrbsSetDesktopRegister("999", "999", "999") == 1;
    }
    report(done);
    succeeded_ = done;
    return done;
}

}  // namespace tk73store

namespace {

int runMaintenance(tk73store::SysMainteKind kind) {
    tk73store::SysMaintenance maintenance(kind);
    tk73store::SysMainteRequest request(maintenance);
    return tk73::ui().showDialog(request) == tk73::Button::Ok && maintenance.succeeded() ? 1 : 0;
}

}  // namespace

int CTK73mntSysMainte::ExecuteSystemInit() {
    return runMaintenance(tk73store::SysMainteKind::SystemInit);
}

int CTK73mntSysMainte::ExecuteSystemBackup() {
    return runMaintenance(tk73store::SysMainteKind::SystemBackup);
}

int CTK73mntSysMainte::ExecuteSystemRestore() {
    return runMaintenance(tk73store::SysMainteKind::SystemRestore);
}

int CTK73mntSysMainte::ExecuteConnectInfoBackup() {
    return runMaintenance(tk73store::SysMainteKind::ConnectBackup);
}

int CTK73mntSysMainte::ExecuteConnectInfoRestore() {
    return runMaintenance(tk73store::SysMainteKind::ConnectRestore);
}
