#pragma once

#include <string>

namespace tk73seeds {

// Whole sessions of both directions over the work list of the fuzz target, and what hostile
// registers do within them, against the LAN store (fuzz/lan_session_store.h), which must be the
// current store; work is a folder for the files in between.
void writeLanSessionSeeds(const std::string& corpus, const std::string& work);

}  // namespace tk73seeds
