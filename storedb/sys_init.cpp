#include "storedb/sys_init.h"

#include "base/database_frame.h"

CTK73mntSysInit::CTK73mntSysInit() : frame_(AecrdbCreateDBC(nullptr)) {}

CTK73mntSysInit::~CTK73mntSysInit() {
    AecrdbDeleteDBC(frame_);
}

int CTK73mntSysInit::ClearDataBase() {
    return Execute(AECRDB_SYSTEM_INITIALIZE, nullptr, 0);
}

int CTK73mntSysInit::Execute(int operation, const char* backupFolder, int withDialog) {
    if (frame_ == nullptr || AecrdbStartDatabase(frame_, operation) != 1) {
        return 0;
    }
    int done = AecrdbSetDatabaseDialog(frame_, withDialog);
    if (done == 1 && backupFolder != nullptr) {
        done = AecrdbSetArgByString(frame_, "Backup", backupFolder);
    }
    if (done == 1) {
        done = AecrdbExecuteDatabase(frame_) == 1 ? 1 : 0;
    }
    AecrdbEndDatabase(frame_);
    return done;
}
