#pragma once
// Files that a writer keeps for a moment (a temporary copy before it is renamed into place, a
// table being collected) carry the writer's process id in their names: "<prefix><pid>-<n>" and
// an optional suffix, <n> a number of digits. A writer killed before it removes or renames its
// file leaves the file behind, and the process id tells such a leftover from the file of a writer
// that is still at work.

#include <string>

namespace tk73 {

// The start of the name of a file this process writes: the prefix, its process id and a dash.
std::string writerFilePrefix(const std::string& prefix);

// Removes the files (and folders, with all they hold) of the folder named
// "<prefix><pid>-<digits><suffix>" whose writer no longer runs. Files of this process and of live
// writers stay: they may still be about to be renamed. A process that reuses a dead writer's number
// only delays the removal.
void removeFilesOfDeadWriters(const std::string& folder, const std::string& prefix,
                              const std::string& suffix = "");

}  // namespace tk73
