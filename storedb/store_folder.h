#pragma once
// The folders of the store database on disk: one folder "S%03d" per store in the database
// folder, with the register part "M001" and the controller part "O001".

#include <string>

namespace tk73store {

// kind 0 is a register, 1 a controller.
const char* machineFolderName(int kind);

// The store's folder; empty when the database folder is not configured or the path would not
// fit a path buffer.
std::string storeFolderPath(int storeNo);
// The store's register or controller part.
std::string storeMachineFolderPath(int storeNo, int kind);

// Whether anything exists under the store folder's name.
[[nodiscard]] bool storeFolderExists(int storeNo);

}  // namespace tk73store
