#pragma once
// What the spreadsheet tests work on: a shipped register model's definition and a copy of one
// of its default program files in a private folder, as one ProgramSheet.

#include <string>

#include "spreadsheet/program_sheet.h"
#include "tests/support/temp_environment.h"

namespace tk73sheettest {

// The shipped model's program file fileNo, copied into the environment (as "<model>/FILEnnnP.TXT").
tk73sheet::ProgramSheet shippedFile(const tk73test::TempEnvironment& env, const std::string& model,
                                    int fileNo, const std::string& title);

// The text with every occurrence of what replaced by with, exactly once each; fails the running
// test when what is not there.
std::string replaced(std::string text, const std::string& what, const std::string& with);

}  // namespace tk73sheettest
