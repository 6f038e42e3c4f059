#pragma once
// Register stores of a staged copy of the shipped installation, for the fuzz target of the LAN
// session and for the seed generator, which need the store a session exchanges its files with.
// Failures abort: without its store a run means nothing.

#include <ctime>
#include <map>
#include <string>

namespace tk73fuzz {

// Lays the shipped installation into root (the run's private folder, see fuzz_environment.h) in
// the professional mode and points the machine hive at it.
void stageInstallation(const std::string& root);

// A new store of the models with their default program files, made the desktop's current store;
// its number.
int createCurrentStore(int regModelNo, int vekModelNo = 0);

// The maintenance folder of the store's register (kind 0) or controller (1).
std::string mainteFolder(int storeNo, int kind = 0);

// The files of a folder as they are now, put back when they change.
class FolderSnapshot {
  public:
    explicit FolderSnapshot(std::string folder);

    // Writes the files back and removes any other file when something was renamed into,
    // created in or removed from the folder since the snapshot (every write of the suite
    // replaces a file by a rename).
    void restoreWhenChanged();

  private:
    std::string folder_;
    std::map<std::string, std::string> files_;
    timespec changed_{};
};

}  // namespace tk73fuzz
