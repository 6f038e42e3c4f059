#include "tools/defcheck/tests/expect_finding.h"

#include <gtest/gtest.h>

#include "tools/defcheck/installation_check.h"

namespace tk73tools::testing {

std::string listed(const Findings& findings) {
    std::string text;
    for (const Finding& finding : findings.all()) {
        text += describe(finding) + "\n";
    }
    return text;
}

void expectNamed(const Corruption& corruption) {
    StagedCopy copy;
    corruption.apply(copy);
    Findings findings = checkInstallation(copy.root());
    bool named = false;
    for (const Finding& finding : findings.all()) {
        named |= finding.file == corruption.file && finding.section == corruption.section &&
                 finding.key == corruption.key;
    }
    EXPECT_TRUE(named) << corruption.what << ": expected " << corruption.file << " ["
                       << corruption.section << "] " << corruption.key << ", found\n"
                       << listed(findings);
}

}  // namespace tk73tools::testing
