#pragma once
// The files of one store for the framework tests: the shipped register model KR301's definition
// as the store's copy, its default program files as the maintenance files, and a copy of the
// default folder, all in the test's private folder.

#include <string>

#include "tests/support/temp_environment.h"

namespace tk73test {

class FixtureStore {
  public:
    explicit FixtureStore(const TempEnvironment& environment);

    const std::string& definitionFile() const { return definitionFile_; }
    const std::string& mainteFolder() const { return mainteFolder_; }
    const std::string& defaultFolder() const { return defaultFolder_; }

    std::string mainteFile(int fileNo) const;
    std::string defaultFile(int fileNo) const;
    // The bytes of a maintenance file, and replacing them.
    std::string mainte(int fileNo) const;
    void setMainte(int fileNo, const std::string& bytes) const;

  private:
    std::string definitionFile_;
    std::string mainteFolder_;
    std::string defaultFolder_;
};

// The record line of a program file that begins with the record number text ("00002,").
std::string recordLine(const std::string& file, const std::string& prefix);

}  // namespace tk73test
