#pragma once
// The store the framework tests work on: the shipped installation staged into the test's private
// folder (default layout), and the working store 1 made with register KR301 and controller VK500,
// as the shell makes it: records, definition copies, and the default program files copied into
// both maintenance folders. The paths are those the active store answers.

#include <string>

#include "tests/support/temp_environment.h"

namespace tk73test {

struct StorePaths {
    std::string definitionFile;
    std::string mainteFolder;
    std::string defaultFolder;
};

class FixtureStore {
  public:
    explicit FixtureStore(const TempEnvironment& environment);

    bool ready() const { return ready_; }
    // The register's paths (kind 0) or the controller's (kind 1).
    const StorePaths& paths(int kind = 0) const { return kind == 1 ? controller_ : register_; }
    const std::string& definitionFile() const { return register_.definitionFile; }
    const std::string& mainteFolder() const { return register_.mainteFolder; }
    const std::string& defaultFolder() const { return register_.defaultFolder; }

    std::string mainteFile(int fileNo, int kind = 0) const;
    std::string defaultFile(int fileNo, int kind = 0) const;
    // The bytes of a maintenance file of the register, and replacing them.
    std::string mainte(int fileNo) const;
    void setMainte(int fileNo, const std::string& bytes) const;

  private:
    bool ready_ = false;
    StorePaths register_;
    StorePaths controller_;
};

// The record line of a program file that begins with the record number text ("00002,").
std::string recordLine(const std::string& file, const std::string& prefix);

}  // namespace tk73test
