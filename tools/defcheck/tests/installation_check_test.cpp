#include "tools/defcheck/installation_check.h"

#include <gtest/gtest.h>

#include "tests/support/command_output.h"
#include "tools/defcheck/tests/expect_finding.h"

using tk73tools::Findings;
using tk73tools::testing::expectNamed;
using tk73tools::testing::listed;
using tk73tools::testing::StagedCopy;

namespace {

const char* const kRegister = "register/KR301/KR301.INI";
const char* const kController = "vek/VK500/VK500.INI";

}  // namespace

TEST(InstallationCheck, PassesOnTheShippedInstallation) {
    StagedCopy copy;
    Findings findings = tk73tools::checkInstallation(copy.root());
    EXPECT_TRUE(findings.empty()) << listed(findings);
}

TEST(InstallationCheck, NamesTheFieldLengthThatDoesNotFitTheDefaultFile) {
    expectNamed({"PLU status one byte longer",
                 [](const StagedCopy& c) { c.setKey(kRegister, "FILE0004", "F03L", "7"); },
                 kRegister, "FILE0004", "F03L"});
    expectNamed({"a field too many",
                 [](const StagedCopy& c) {
                     c.setKey("register/KR420/KR420.INI", "FILE0006", "ALL_FIELD_NUM", "3");
                     c.setKey("register/KR420/KR420.INI", "FILE0006", "F03N", "62");
                     c.setKey("register/KR420/KR420.INI", "FILE0006", "F03L", "1");
                 },
                 "register/KR420/KR420.INI", "FILE0006", "ALL_FIELD_NUM"});
    expectNamed({"last field too short",
                 [](const StagedCopy& c) { c.setKey(kController, "FILE0050", "F02L", "0"); },
                 kController, "FILE0050", "F02L"});
}

TEST(InstallationCheck, NamesTheMissingDefaultFile) {
    expectNamed({"tax table default removed",
                 [](const StagedCopy& c) { c.remove("register/KR301/DEFAULTVEK/FILE025P.TXT"); },
                 kRegister, "PGMFILES", "025"});
    expectNamed({"controller item file removed",
                 [](const StagedCopy& c) { c.remove("vek/VK500/DEFAULT/FILE422I.TXT"); },
                 kController, "PGMFILES", "422"});
}

TEST(InstallationCheck, NamesTheMenuItemThatDoesNotResolve) {
    expectNamed(
        {"PLU name item past its field's end",
         [](const StagedCopy& c) { c.setKey(kRegister, "PGM_MENU_014", "ITEM_002", "CHAR,D2,16"); },
         kRegister, "PGM_MENU_014", "ITEM_002"});
    expectNamed({"department range past the records",
                 [](const StagedCopy& c) {
                     c.setKey(kRegister, "PGM_MENU_001", "ITEM_001_MEMORY", "INDEX,1,21");
                 },
                 kRegister, "PGM_MENU_001", "ITEM_001_MEMORY"});
    expectNamed({"unknown field",
                 [](const StagedCopy& c) {
                     c.setKey(kController, "PGM_MENU_017", "ITEM_002_FIELD", "999");
                 },
                 kController, "PGM_MENU_017", "ITEM_002_FIELD"});
    expectNamed({"function number that no record holds",
                 [](const StagedCopy& c) {
                     c.setKey(kRegister, "PGM_MENU_018", "ITEM_003_MEMORY", "FUNC,4242");
                 },
                 kRegister, "PGM_MENU_018", "ITEM_003_MEMORY"});
    expectNamed(
        {"digit item over text",
         [](const StagedCopy& c) { c.setKey(kRegister, "PGM_MENU_015", "ITEM_001", "DIGIT,D1,4"); },
         kRegister, "PGM_MENU_015", "ITEM_001"});
    expectNamed(
        {"bit mask that is no single bit",
         [](const StagedCopy& c) { c.setKey(kRegister, "PGM_MENU_005", "ITEM_001", "BIT,D1,3"); },
         kRegister, "PGM_MENU_005", "ITEM_001"});
}

TEST(InstallationCheck, NamesListsThatNameFilesOutsidePgmFiles) {
    expectNamed({"archive list with an unknown file",
                 [](const StagedCopy& c) { c.setKey(kRegister, "CRP_FILES", "FILES", "4,28,77"); },
                 kRegister, "CRP_FILES", "FILES"});
    expectNamed(
        {"menu item on an unknown file",
         [](const StagedCopy& c) { c.setKey(kController, "PGM_MENU_036", "ITEM_001_FILE", "997"); },
         kController, "PGM_MENU_036", "ITEM_001_FILE"});
}

TEST(InstallationCheck, NamesMergeItemsThatDoNotPairUp) {
    expectNamed({"controller status too short for the 301 position table",
                 [](const StagedCopy& c) {
                     c.setKey(kController, "PGM_MENU_028", "ITEM_003", "CHAR,D1,6");
                 },
                 kRegister, "PGM_MENU_028", "ITEM_003"});
    expectNamed({"pull-down entry missing on the controller",
                 [](const StagedCopy& c) {
                     for (const char* key :
                          {"ITEM_040_FILE", "ITEM_040_MEMORY", "ITEM_040", "ITEM_040_FIELD"}) {
                         c.setKey(kController, "PGM_MENU_028", key, nullptr);
                     }
                 },
                 kController, "PGM_MENU_028", "ITEM_040_FILE"});
    expectNamed({"tax range other than tables 1 to 4",
                 [](const StagedCopy& c) {
                     c.setKey("register/KR420/KR420.INI", "PGM_MENU_028", "ITEM_012_MEMORY",
                              "INDEX,1,10");
                 },
                 "register/KR420/KR420.INI", "PGM_MENU_028", "ITEM_012_MEMORY"});
}

TEST(InstallationCheck, NamesLogoDefinitionsThatDoNotMatchTheirFiles) {
    expectNamed({"width no multiple of 8",
                 [](const StagedCopy& c) {
                     c.setKey(kRegister, "G_LOGO", "FILE0031", "250,64,0,1,Shop logo");
                 },
                 kRegister, "G_LOGO", "FILE0031"});
    expectNamed(
        {"height other than the file's rows",
         [](const StagedCopy& c) { c.setKey(kRegister, "G_LOGO", "FILE0032", "160,41,0,1,"); },
         kRegister, "G_LOGO", "FILE0032"});
    expectNamed({"logo editor file missing",
                 [](const StagedCopy& c) { c.remove("register/KR150/KR150_31.HAD"); },
                 "register/KR150/KR150.INI", "G_LOGO", "FILE0031"});
}

TEST(InstallationCheck, NamesFaultsOfTheProgramFilesThemselves) {
    expectNamed({"lower-case hexadecimal digit",
                 [](const StagedCopy& c) {
                     c.replaceText("register/KR301/DEFAULT/FILE006P.TXT", "\"10\"", "\"1a\"");
                 },
                 "register/KR301/DEFAULT/FILE006P.TXT", "record 1", "field 2"});
    expectNamed({"version digits missing",
                 [](const StagedCopy& c) {
                     c.replaceText("vek/VK500/DEFAULT/FILE005P.TXT", "\"01\",\"CONTROLLER",
                                   "\"0x\",\"CONTROLLER");
                 },
                 "vek/VK500/DEFAULT/FILE005P.TXT", "header", ""});
}

TEST(InstallationCheck, NamesSystemFilesThatDisagreeWithTheModels) {
    expectNamed({"RmCode of zeros",
                 [](const StagedCopy& c) {
                     c.setKey("TK73TOOL.ini", "ECR_LIST", "02",
                              "420,KR420,KR-420 Shop Register,2,STANDARD,000000,2,321");
                 },
                 "TK73TOOL.ini", "ECR_LIST", "02"});
    expectNamed(
        {"a model that pairs in some mode without DEFAULTVEK",
         [](const StagedCopy& c) { c.setKey("TK73TOOL.ini", "VEKNOTSUPPORTECR", "PROMODE", ""); },
         "register/KR150/DEFAULTVEK", "", ""});
    expectNamed({"machine type other than the ID code's low byte",
                 [](const StagedCopy& c) {
                     c.setKey("register/KR420/KR420.INI", "SYSTEM", "MACHINE_TYPE", "321");
                 },
                 "register/KR420/KR420.INI", "SYSTEM", "MACHINE_TYPE"});
    expectNamed(
        {"model table out of step",
         [](const StagedCopy& c) { c.replaceText("system/VEKMODEL.edb", "VK-500", "VK-600"); },
         "system/VEKMODEL.edb", "row 1", ""});
}

TEST(InstallationCheck, NamesTheOldVersionDefinitionThatDoesNotFit) {
    expectNamed({"old set field narrower than its field",
                 [](const StagedCopy& c) {
                     c.setKey("register/KR301/OLDVERSION/KR301Ver00.INI", "PGM_MENU_027",
                              "ITEM_001", "CHAR,D1,58");
                 },
                 "register/KR301/OLDVERSION/KR301Ver00.INI", "PGM_MENU_027", "ITEM_001"});
    expectNamed({"current set field not widened by the conversion",
                 [](const StagedCopy& c) {
                     c.setKey("register/KR420/KR420.INI", "PGM_MENU_027", "ITEM_001", "CHAR,D1,90");
                 },
                 "register/KR420/KR420.INI", "PGM_MENU_027", "ITEM_001"});
}

TEST(CheckCommand, ListsFindingsAndAnswersWithItsExitCode) {
    StagedCopy copy;
    const std::string command = std::string(TK73DEFCHECK_PROGRAM) + " " + copy.root() + " 2>&1";
    tk73test::CommandOutput check = tk73test::runCommand(command);
    EXPECT_EQ(check.status, 0) << check.text;
    copy.setKey(kRegister, "FILE0005", "F02L", "13");
    check = tk73test::runCommand(command);
    EXPECT_EQ(check.status, 1);
    EXPECT_NE(check.text.find("register/KR301/KR301.INI: [FILE0005] F02L: "), std::string::npos)
        << check.text;
}
