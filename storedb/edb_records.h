#pragma once
// The records of the store database as the programs hold them in memory. The tables keep every
// field as text; the widths below bound the texts (a longer text read from a table is cut to
// them), so a record always fits the buffers the dialogs size for it.

#include <array>
#include <cstddef>
#include <string>

// A store number that names no store, anywhere in the system.
inline constexpr int EDB_NO_STORE = 999;
// Stores and branches a table holds; store numbers run from 1 to this.
inline constexpr int EDB_MAX_STORE = 64;
inline constexpr int EDB_MAX_BRANCH = 64;
// Register and controller models a model table holds.
inline constexpr int EDB_MAX_MODEL = 10;
// Machines of one store, and the store blocks a machine table holds.
inline constexpr int EDB_MACHINES_PER_STORE = 32;
inline constexpr int EDB_MAX_MACHINE_BLOCK = 64;

// The name of branch 0, the pseudo-branch of stores that belong to none.
inline constexpr const char* EDB_NO_USE_BRANCH_NAME = "NO USE";

struct BRANCH_EDB {
    static constexpr size_t kNameBytes = 40;
    static constexpr size_t kClerkBytes = 40;
    static constexpr size_t kCommentBytes = 250;
    static constexpr size_t kUpdateBytes = 14;

    int branchNo = 0;
    std::string branchName;
    std::string clerk;
    std::string comment;
    std::string update;

    void Clear() { *this = BRANCH_EDB(); }
};

struct STORE_EDB {
    static constexpr size_t kNameBytes = 40;
    static constexpr size_t kClerkBytes = 40;
    static constexpr size_t kCommentBytes = 247;
    static constexpr size_t kBusinessDayBytes = 4;
    static constexpr size_t kUpdateBytes = 12;

    int storeNo = 0;
    std::string storeName;
    std::string clerk;
    std::string comment;
    int vekModelNo = 0;     // 0: the store has no controller
    char vekSelType = '0';  // '1': the controllers are chosen by hand
    int branchNo = 0;
    int regModelNo = 0;
    char regSelType = '0';  // '1': the registers are chosen by hand
    int scanStartNo = 0;    // where the IP scan starts
    std::string changeBusinessDay;
    std::string update;
    char vekLinkage = '0';  // '0' when the store has both a register and a controller model

    void Clear() { *this = STORE_EDB(); }
};

// One register or controller of a store.
struct STORE_MANAGE_ENTRY {
    static constexpr size_t kNameBytes = 40;
    static constexpr size_t kIpBytes = 15;
    static constexpr size_t kUpdateBytes = 13;

    int storeNo = 0;
    int machineNo = 0;  // 1 to 32
    std::string machineName;
    char operateStatus = '0';  // '1' in use, '0' free
    std::string ipAddr;        // "%d.%d.%d.%d"
    std::string update;
};

// The machines of one store: one block of a machine table.
struct STORE_MANAGE {
    std::array<STORE_MANAGE_ENTRY, EDB_MACHINES_PER_STORE> entries;

    // The store a block belongs to is the store number of its first entry; 0 is a free place.
    int StoreNo() const { return entries[0].storeNo; }
    void Clear() { *this = STORE_MANAGE(); }
};

// One register or controller model, from the model lists of the installation.
struct MODEL_EDB {
    static constexpr size_t kIdentBytes = 20;
    static constexpr size_t kViewBytes = 40;
    static constexpr size_t kUpdateBytes = 12;

    int modelNo = 0;
    std::string indentName;  // names the model's definition folder and file
    std::string viewName;
    char modelStatus = '0';
    std::string update;

    void Clear() { *this = MODEL_EDB(); }
};
