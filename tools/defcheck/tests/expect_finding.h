#pragma once
// Corrupting a copy of the shipped installation and expecting the finding that names the fault.

#include <functional>
#include <string>

#include "tools/defcheck/finding.h"
#include "tools/defcheck/tests/staged_copy.h"

namespace tk73tools::testing {

// One finding a line, as the command lists them.
std::string listed(const Findings& findings);

// A corruption of one copy and the file, section and key that a finding must name.
struct Corruption {
    const char* what;
    std::function<void(const StagedCopy&)> apply;
    const char* file;
    const char* section;
    const char* key;
};

// Applies the corruption to a fresh copy, checks it and expects a finding that names it.
void expectNamed(const Corruption& corruption);

}  // namespace tk73tools::testing
