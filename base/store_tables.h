#pragma once
// The tables of the store database: their names, files and columns. A table is named by the text
// of its first definition column, matched exactly; its file is the name followed by ".edb", in
// the database folder, or in the installation's system folder for the two model lists.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73 {

struct TableDefinition {
    std::string_view name;
    bool inSystemFolder;  // installed model lists, not part of a database backup
    std::vector<std::string_view> columns;
};

// Null for a name that is no table of the database.
const TableDefinition* findTable(const char* name);

// The table's file below the database folder (or the system folder); nothing when that folder is
// not configured.
std::optional<std::string> tableFile(const TableDefinition& table,
                                     const std::string& databaseFolder);

}  // namespace tk73
