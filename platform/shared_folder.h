#pragma once
// Creating a folder that the suite's users share.

#include <string>

namespace tk73 {

// Creates one folder (its parent must exist). True when it was created or is a folder already.
[[nodiscard]] bool createSharedFolder(const std::string& path);

}  // namespace tk73
