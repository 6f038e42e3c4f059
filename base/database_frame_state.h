#pragma once
// What a database frame holds, shared by the frame's operations and the system operations run
// from its jobs.

#include <array>
#include <optional>
#include <string>

#include "base/arguments.h"

struct SFR;

struct DBC {
    APC* context = nullptr;
    bool ownsContext = false;
    std::string databaseFolder;  // with its trailing separator

    // The job tables, loaded while openCount is above 0: a job starts only on a database whose
    // branch, store, register and Vek tables can all be read.
    int openCount = 0;
    std::array<SFR*, 4> jobTables{};

    bool jobActive = false;
    int operation = 0;
    ARGR* args = nullptr;
    bool ownsArgs = false;
    std::optional<std::string> outFile;
    bool dialog = false;
};
