// The menu items through the program file handle: faults that only the handle's view of a
// definition and of every default folder shows.

#include <gtest/gtest.h>

#include "base/registry_settings.h"
#include "tools/defcheck/installation_check.h"
#include "tools/defcheck/tests/expect_finding.h"

using tk73tools::testing::expectNamed;
using tk73tools::testing::StagedCopy;

namespace {

const char* const kRegister = "register/KR301/KR301.INI";
const char* const kController = "vek/VK500/VK500.INI";

}  // namespace

TEST(MenuHandleCheck, LeavesTheProcessControllerSettingAsItWas) {
    StagedCopy copy;
    for (int setting : {1, 0}) {
        AecrbsSetCurrentVekSetting(setting, 0);
        tk73tools::Findings findings = tk73tools::checkInstallation(copy.root());
        EXPECT_TRUE(findings.empty()) << tk73tools::testing::listed(findings);
        EXPECT_EQ(AecrbsGetCurrentVekSetting(), setting);
    }
}

TEST(MenuHandleCheck, NamesItemsWhoseRecordsADefaultFileLacks) {
    expectNamed(
        {"department file of the controller defaults two records short",
         [](const StagedCopy& c) { c.keepRecords("register/KR301/DEFAULTVEK/FILE005P.TXT", 18); },
         kRegister, "PGM_MENU_001", "ITEM_002_MEMORY"});
    expectNamed(
        {"item file with fewer records than the scanning PLU file",
         [](const StagedCopy& c) { c.keepRecords("register/KR301/DEFAULT/FILE002I.TXT", 40); },
         kRegister, "PGM_MENU_016", "ITEM_003_MEMORY"});
    expectNamed({"function table of the controller defaults without the function",
                 [](const StagedCopy& c) {
                     c.replaceText("register/KR301/DEFAULTVEK/FILE001P.TXT", "\"1040\"",
                                   "\"1041\"");
                 },
                 kRegister, "PGM_MENU_018", "ITEM_003_MEMORY"});
}

TEST(MenuHandleCheck, NamesItemsThatRunPastTheirFieldInADefaultFile) {
    // The controller's item file is read only under the controller setting.
    expectNamed({"item code of the controller's item file one digit short",
                 [](const StagedCopy& c) {
                     c.replaceText("vek/VK500/DEFAULT/FILE422I.TXT", "\"00000000000000\"",
                                   "\"0000000000000\"");
                 },
                 kController, "PGM_MENU_016", "ITEM_001"});
    expectNamed({"group name of the controller defaults one character short",
                 [](const StagedCopy& c) {
                     c.replaceText("register/KR420/DEFAULTVEK/FILE006P.TXT", "\"Groceries   \"",
                                   "\"Groceries  \"");
                 },
                 "register/KR420/KR420.INI", "PGM_MENU_015", "ITEM_001"});
}

TEST(MenuHandleCheck, NamesItemsThatTheHandleResolvesOtherwise) {
    expectNamed({"memory keyword in lower case",
                 [](const StagedCopy& c) {
                     c.setKey(kRegister, "PGM_MENU_015", "ITEM_002_MEMORY", "index,1,10");
                 },
                 kRegister, "PGM_MENU_015", "ITEM_002_MEMORY"});
    // The handle finds only 6- and 5-digit record numbers, so it counts no record there.
    expectNamed({"count item on the keyboard layout's 4-digit records",
                 [](const StagedCopy& c) {
                     c.setKey(kRegister, "PGM_MENU_015", "ITEM_003_FILE", "3");
                     c.setKey(kRegister, "PGM_MENU_015", "ITEM_003_MEMORY", "COUNT,60");
                     c.setKey(kRegister, "PGM_MENU_015", "ITEM_003", "DIGIT,D1,4");
                     c.setKey(kRegister, "PGM_MENU_015", "ITEM_003_FIELD", "20");
                 },
                 kRegister, "PGM_MENU_015", "ITEM_003_MEMORY"});
}
