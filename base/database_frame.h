#pragma once
// The database frame: the context of the work on the store database. It knows the database
// folder and, during a job, the operation to run and its named arguments.
//
// A job runs one of the system operations below: start it with the operation code, set the
// dialog flag and the arguments ("Backup": the backup folder of the backup and restore
// operations), execute, end. The job-only operations return 0 and do nothing outside a job.
// Failures are results only; the caller shows its own message.

#include "base/arguments.h"
#include "platform/api.h"

// The operations, with the message the progress dialog shows under the caption "Database".
inline constexpr int AECRDB_SYSTEM_INITIALIZE = 7000101;  // "System Initialize ..."
inline constexpr int AECRDB_SYSTEM_BACKUP = 7000201;      // "System Backup ..."
inline constexpr int AECRDB_SYSTEM_RESTORE = 7000301;     // "System Restore ..."
inline constexpr int AECRDB_DATA_DELETE = 7000401;        // "Data Delete ...": always fails
inline constexpr int AECRDB_CONNECT_BACKUP = 7000501;     // "Connect Information Backup ..."
inline constexpr int AECRDB_CONNECT_RESTORE = 7000601;    // "Connect Information Restore ..."

struct DBC;

// A new frame on its own context when apc is null. Null when the database folder is not
// configured or memory runs out. When the database has no "STORE.edb", the four tables are copied
// from the template folder over whatever is there (failures ignored) and the temporary folder is
// created.
TK73_EXPORT DBC* TK73_API AecrdbCreateDBC(APC* apc);
// Ends a job still running, frees the frame and its own context; 0 for null.
TK73_EXPORT int TK73_API AecrdbDeleteDBC(DBC* dbc);
// 1 only when the database folder did not exist and has now been created and initialised; 0
// when it existed already or anything failed.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbCheckDatabaseDirectory(DBC* dbc);

// Starts a job: loads the branch, store, register and Vek tables (the first job of the frame
// only) and checks the code. 0, the frame staying idle, for a null frame, a job already active,
// a table that cannot be loaded or an unknown code.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbStartDatabase(DBC* dbc, int operation);
// Nonzero runs the operation under the run-with-progress dialog.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetDatabaseDialog(DBC* dbc, int dialog);
// Keeps a copy of the name (null or empty clears it).
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetOutFile(DBC* dbc, const char* file);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetArgByString(DBC* dbc, const char* name,
                                                             const char* value);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetArgByInteger(DBC* dbc, const char* name,
                                                              int32_t value);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbSetArgNull(DBC* dbc, const char* name);
TK73_EXPORT int TK73_API AecrdbResetArgs(DBC* dbc);
// The job uses the caller's list instead of its own (freed); the caller keeps it. 0 for a null
// list.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbShareArgs(DBC* dbc, ARGR* args);
// Runs the job's operation; its result.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbExecuteDatabase(DBC* dbc);
// Ends the job: frees the output name and the job's own list, forgets a shared one, closes the
// tables when no other job holds them; 0 when no job is active.
TK73_EXPORT int TK73_API AecrdbEndDatabase(DBC* dbc);
TK73_EXPORT void TK73_API AecrdbAbortDatabase(DBC* dbc);
