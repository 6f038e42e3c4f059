#pragma once
// The installation and store the item editor's tests work on: the shipped installation staged
// into a private folder (user mode 0, so the active store is store 1), and store 1 with the
// register KR301 and the controller VK500, whose maintenance folders hold the default program
// files.

#include <string>
#include <vector>

#include "tests/support/temp_environment.h"

namespace tk73itemtest {

class ItemTestStore {
  public:
    ItemTestStore();

    // Empty when the store was made; else what went wrong.
    const std::string& Error() const { return error_; }
    const tk73test::TempEnvironment& Environment() const { return environment_; }
    std::string StagedFolder() const { return environment_.path("stage"); }

    // The store's definition copy, maintenance folder and default folder of the register
    // (vek 0) or the controller (vek 1).
    std::string DefinitionFile(int vek) const;
    std::string MainteFolder(int vek) const;
    std::string DefaultFolder(int vek) const;
    std::string MainteFile(int vek, int fileNo) const;
    std::string Mainte(int vek, int fileNo) const;
    void SetMainte(int vek, int fileNo, const std::string& bytes) const;

  private:
    bool Make();

    tk73test::TempEnvironment environment_;
    std::string error_;
};

// The line of the record in a program file's bytes ("000005," ... CR LF excluded); empty when
// there is none.
std::string RecordLine(const std::string& file, int record);

// The offsets at which two byte strings of equal length differ.
std::vector<size_t> DifferingOffsets(const std::string& a, const std::string& b);

}  // namespace tk73itemtest
