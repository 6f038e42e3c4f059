#pragma once
// Whether the setting data changed since it was loaded, created or saved: a program file
// ("FILE*P.TXT") of the current store's register maintenance folder, or of its controller's when
// the store has a linked controller, written after the document's last time.

#include <chrono>
#include <string>

namespace tk73hub {

using LastTime = std::chrono::system_clock::time_point;

// 1 when a file of the folder whose name matches "FILE*P.TXT" (letter case ignored; folders
// skipped) was last written after the time. A folder that cannot be read holds no such file.
bool HasProgramFileWrittenAfter(const std::string& folder, LastTime time);

// The check over the store's maintenance folders.
bool StoreChangedSince(int storeNo, LastTime time);

}  // namespace tk73hub
