#pragma once
// Stores of a staged copy of the shipped installation for the archive and operations tests: the
// installation laid into a private folder by the stager, its machine hive in use, and stores
// whose maintenance folders hold the model's default program files.

#include <cstdint>
#include <map>
#include <string>

#include "tests/support/temp_environment.h"

namespace archivetest {

inline constexpr int kKR301 = 301;  // old-type header lines
inline constexpr int kKR420 = 420;  // new-type header lines
inline constexpr int kVK500 = 501;

class StagedInstallation {
  public:
    explicit StagedInstallation(uint32_t userMode = 2);

    // Turns the Arabic code-page conversion of the installation on.
    void switchArabicOn() const;
    // A new store with its default program files; its number.
    int createStore(int regModelNo, int vekModelNo = 0) const;

    // kind 0: the store's register, 1: its controller.
    static std::string definitionFile(int storeNo, const std::string& indentName, int kind);
    static std::string mainteFolder(int storeNo, int kind);
    // The program text files of a folder by name ("FILE004P.TXT").
    static std::map<std::string, std::string> programFiles(const std::string& folder);
    // Every file of a folder by name, with its bytes.
    static std::map<std::string, std::string> folderFiles(const std::string& folder);

    std::string path(const std::string& relative) const { return env_.path(relative); }

  private:
    tk73test::TempEnvironment env_;
    std::string stage_;
};

}  // namespace archivetest
