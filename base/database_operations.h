#pragma once
// The system operations of the database frame's jobs: initialise, system backup and restore,
// connect information backup and restore.

struct DBC;

namespace tk73 {

// The progress dialog's message of the operation; null for a code that is no operation.
const char* databaseOperationMessage(int operation);

// Runs the job's operation on the calling thread; 1 on success.
[[nodiscard]] int runDatabaseOperation(DBC& frame);

// Deletes the database folder's tree and puts the template's in its place, then makes sure the
// temporary folder exists.
[[nodiscard]] bool initialiseDatabase();

}  // namespace tk73
