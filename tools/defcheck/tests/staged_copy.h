#pragma once
// A private copy of the shipped installation for one test, which the test may corrupt.

#include <string>

#include "tests/support/temp_environment.h"

namespace tk73tools::testing {

class StagedCopy {
  public:
    StagedCopy();
    // The installation folder (InstallPath) of the copy.
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    // Changes one key of an INI file of the copy (a null value deletes the key).
    void setKey(const std::string& file, const char* section, const char* key,
                const char* value) const;
    // Replaces the first occurrence of a text in a file of the copy.
    void replaceText(const std::string& file, const std::string& from, const std::string& to) const;
    void remove(const std::string& file) const;
    // Drops the last record lines of a program file of the copy, so that count records remain.
    void keepRecords(const std::string& file, int count) const;

  private:
    tk73test::TempEnvironment env_;
    std::string root_;
};

}  // namespace tk73tools::testing
