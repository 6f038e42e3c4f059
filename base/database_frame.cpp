#include "base/database_frame.h"

#include <new>

#include "base/database_frame_state.h"
#include "base/database_operations.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "base/run_with_progress.h"
#include "base/table_reader.h"
#include "platform/path_rule.h"

namespace {

constexpr const char* kJobTables[] = {"BRANCH", "STORE", "REGISTER", "VEK"};
constexpr const char* kDatabaseTables[] = {"STORE.edb", "BRANCH.edb", "REGISTER.edb", "VEK.edb"};

// A database folder without its store table gets the template's tables, so a first start finds
// a database to open.
void ensureDatabase(const std::string& database) {
    if (AecrbsCheckDirectory(tk73::joinPath(database, "STORE.edb").c_str()) != 0) {
        return;
    }
    char source[TK73_MAX_PATH];
    if (AecrbsGetTK73TemplatePath(source) != 0) {
        for (const char* table : kDatabaseTables) {
            // A table that could not be copied fails the first job that loads it.
            (void)AecrbsCopyFile(tk73::joinPath(source, table).c_str(),
                                 tk73::joinPath(database, table).c_str(), 0);
        }
    }
    char temp[TK73_MAX_PATH];
    if (AecrbsGetTK73TempPath(temp) != 0) {
        // Without it, the first table written fails and says so.
        (void)AecrbsMakeDirectory(temp);
    }
}

void closeJobTables(DBC& frame) {
    if (frame.openCount == 0 || --frame.openCount > 0) {
        return;
    }
    for (SFR*& table : frame.jobTables) {
        AecrdbDeleteSFR(table);
        table = nullptr;
    }
}

bool openJobTables(DBC& frame) {
    if (frame.openCount++ > 0) {
        return true;
    }
    for (size_t i = 0; i < frame.jobTables.size(); ++i) {
        SFR* reader = AecrdbCreateSFR(&frame, kJobTables[i]);
        frame.jobTables[i] = reader;
        if (reader == nullptr || AecrdbReadRecordSFR(reader) < 0) {
            frame.openCount = 1;
            closeJobTables(frame);
            return false;
        }
    }
    return true;
}

bool inJob(const DBC* frame) {
    return frame != nullptr && frame->jobActive;
}

int TK73_API runJob(uintptr_t context, void* frame) {
    return tk73::runDatabaseOperation(*static_cast<DBC*>(frame));
}

}  // namespace

DBC* TK73_API AecrdbCreateDBC(APC* apc) {
    char database[TK73_MAX_PATH];
    if (AecrbsGetTK73DataBasePath(database) == 0) {
        return nullptr;
    }
    DBC* frame = new (std::nothrow) DBC;
    if (frame == nullptr) {
        return nullptr;
    }
    frame->context = apc;
    if (apc == nullptr) {
        frame->context = AecrbsCreateAPC();
        frame->ownsContext = true;
        if (frame->context == nullptr) {
            delete frame;
            return nullptr;
        }
    }
    frame->databaseFolder = database;
    ensureDatabase(frame->databaseFolder);
    return frame;
}

int TK73_API AecrdbDeleteDBC(DBC* dbc) {
    if (dbc == nullptr) {
        return 0;
    }
    AecrdbAbortDatabase(dbc);
    if (dbc->ownsContext) {
        AecrbsDeleteAPC(dbc->context);
    }
    delete dbc;
    return 1;
}

int TK73_API AecrdbCheckDatabaseDirectory(DBC* dbc) {
    if (dbc == nullptr || AecrbsCheckDirectory(dbc->databaseFolder.c_str()) != 0) {
        return 0;
    }
    return tk73::initialiseDatabase() ? 1 : 0;
}

int TK73_API AecrdbStartDatabase(DBC* dbc, int operation) {
    if (dbc == nullptr || dbc->jobActive || !openJobTables(*dbc)) {
        return 0;
    }
    ARGR* args = tk73::databaseOperationMessage(operation) != nullptr
                     ? AecrbsCreateARGR(dbc->context)
                     : nullptr;
    if (args == nullptr) {
        closeJobTables(*dbc);
        return 0;
    }
    dbc->operation = operation;
    dbc->args = args;
    dbc->ownsArgs = true;
    dbc->outFile.reset();
    dbc->dialog = false;
    dbc->jobActive = true;
    return 1;
}

int TK73_API AecrdbSetDatabaseDialog(DBC* dbc, int dialog) {
    if (!inJob(dbc)) {
        return 0;
    }
    dbc->dialog = dialog != 0;
    return 1;
}

int TK73_API AecrdbSetOutFile(DBC* dbc, const char* file) {
    if (!inJob(dbc)) {
        return 0;
    }
    dbc->outFile.reset();
    if (file != nullptr && file[0] != '\0') {
        dbc->outFile = file;
    }
    return 1;
}

int TK73_API AecrdbSetArgByString(DBC* dbc, const char* name, const char* value) {
    return inJob(dbc) ? AecrbsSetArgByString(dbc->args, name, value) : 0;
}

int TK73_API AecrdbSetArgByInteger(DBC* dbc, const char* name, int32_t value) {
    return inJob(dbc) ? AecrbsSetArgByInteger(dbc->args, name, value) : 0;
}

int TK73_API AecrdbSetArgNull(DBC* dbc, const char* name) {
    return inJob(dbc) ? AecrbsSetArgNull(dbc->args, name) : 0;
}

int TK73_API AecrdbResetArgs(DBC* dbc) {
    return inJob(dbc) ? AecrbsResetArgs(dbc->args) : 0;
}

int TK73_API AecrdbShareArgs(DBC* dbc, ARGR* args) {
    if (!inJob(dbc) || args == nullptr) {
        return 0;
    }
    if (dbc->ownsArgs) {
        AecrbsDeleteARGR(dbc->args);
    }
    dbc->args = args;
    dbc->ownsArgs = false;
    return 1;
}

int TK73_API AecrdbExecuteDatabase(DBC* dbc) {
    if (!inJob(dbc)) {
        return 0;
    }
    if (dbc->dialog) {
        return AecruiDoModalRPD(reinterpret_cast<uintptr_t>(dbc->context), "Database",
                                tk73::databaseOperationMessage(dbc->operation), runJob, dbc);
    }
    return tk73::runDatabaseOperation(*dbc);
}

int TK73_API AecrdbEndDatabase(DBC* dbc) {
    if (!inJob(dbc)) {
        return 0;
    }
    dbc->outFile.reset();
    if (dbc->ownsArgs) {
        AecrbsDeleteARGR(dbc->args);
    }
    dbc->args = nullptr;
    dbc->ownsArgs = false;
    closeJobTables(*dbc);
    dbc->jobActive = false;
    return 1;
}

void TK73_API AecrdbAbortDatabase(DBC* dbc) {
    AecrdbEndDatabase(dbc);
}
