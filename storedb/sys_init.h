#pragma once
// One connection to the store database for the whole-system commands of the database frame:
// initialise, back up and restore everything or only the connection information.

struct DBC;

class CTK73mntSysInit {
  public:
    // Opens the connection; a database folder that is not configured leaves it closed.
    CTK73mntSysInit();
    ~CTK73mntSysInit();
    CTK73mntSysInit(const CTK73mntSysInit&) = delete;
    CTK73mntSysInit& operator=(const CTK73mntSysInit&) = delete;

    // Empties the whole store database without the progress dialog; 1 when done, 0 when the
    // connection is closed or the command fails.
    [[nodiscard]] int ClearDataBase();
    // Runs one command of the frame, with backupFolder as its "Backup" argument when it is not
    // null, under the run-with-progress dialog when withDialog is 1.
    [[nodiscard]] int Execute(int operation, const char* backupFolder, int withDialog);

  private:
    DBC* frame_ = nullptr;
};
