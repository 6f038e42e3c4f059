#pragma once
// The known folders and hives of a fuzz run in a folder of the run's own, on the memory file
// system /dev/shm where there is one (else below TMPDIR or /tmp), never the user's.

#include <string>

namespace tk73fuzz {

// Points the environment into a fresh folder and returns that folder, which goes when the run
// ends; aborts when it cannot be made.
std::string usePrivateEnvironment();

}  // namespace tk73fuzz
