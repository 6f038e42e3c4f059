#include "base/registry_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "base/tests/base_test.h"

namespace {

using tk73test::BaseTest;

using RegistrySettings = BaseTest;
using DesktopRegister = BaseTest;
using ProcessSwitches = BaseTest;

std::string userString(const char* suffix, const char* name) {
    char buffer[TK73_MAX_PATH] = "not touched";
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemString(suffix, buffer, sizeof buffer, name), 1);
    return buffer;
}

}  // namespace

TEST_F(RegistrySettings, AUserStringCreatesItsKeyAndReadsBack) {
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey("\\STORE"), 0);
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString("\\STORE", "BACKUPFOLDER", "/srv/backup"),
              1);
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey("\\STORE"), 1);
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey(nullptr), 1);
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey(""), 1);
    EXPECT_EQ(userString("\\STORE", "backupfolder"), "/srv/backup");
    // The suffix follows the root directly; no separator is put in between.
    const auto value = tk73::registryReadValue(
        tk73::Hive::User, std::string(tk73test::kToolRoot) + "\\STORE", "BACKUPFOLDER");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, "/srv/backup");
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV", "/media/card"), 1);
    EXPECT_EQ(userString("", "SDCARD_DRV"), "/media/card");
    EXPECT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV", nullptr), 0);
}

TEST_F(RegistrySettings, ReadsOfMissingOrOversizedValuesGiveEmptyTextsAndNeverFail) {
    EXPECT_EQ(userString("\\NOKEY", "CURRENTSTORE"), "");
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "LONG", "0123456789"), 1);
    char small[10] = "untouched";
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemString(nullptr, small, sizeof small, "LONG"), 1);
    EXPECT_STREQ(small, "");
    char exact[11];
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemString(nullptr, exact, sizeof exact, "LONG"), 1);
    EXPECT_STREQ(exact, "0123456789");
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemString(nullptr, small, 0, "LONG"), 1);
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemString(nullptr, nullptr, 10, "LONG"), 1);
}

TEST_F(RegistrySettings, AStringValueReadAsADwordIsZeroOrAFailedExRead) {
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "MAINHWND", "4711"), 1);
    uint32_t value = 99;
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, "MAINHWND"), 1);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemValueDWEx(nullptr, &value, "MAINHWND"), 0);
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemValueDWEx(nullptr, &value, "MISSING"), 0);
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemValueDWEx("\\NOKEY", &value, "MAINHWND"), 0);

    const uint32_t handle = 0xCAFE;
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, "MAINHWND", &handle), 1);
    EXPECT_EQ(AecrbsGetRegistryCurrentUserSystemValueDWEx(nullptr, &value, "MAINHWND"), 1);
    EXPECT_EQ(value, 0xCAFEu);
    // The 32-bit value reads as no string at all.
    EXPECT_EQ(userString(nullptr, "MAINHWND"), "");
    EXPECT_EQ(AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, "MAINHWND", nullptr), 0);
}

TEST_F(RegistrySettings, MachineValuesAreReadFromTheMachineHive) {
    installString("SystemPath", "/opt/tk73/SYSTEM");
    EXPECT_NE(tk73::registryWriteDword(tk73::Hive::Machine,
                                       std::string(tk73test::kToolRoot) + "\\TRACE\\STOREPORT",
                                       "Level", 3),
              0);
    char buffer[TK73_MAX_PATH];
    EXPECT_EQ(
        AecrbsGetRegistryLocalMachineSystemString(nullptr, buffer, sizeof buffer, "SystemPath"), 1);
    EXPECT_STREQ(buffer, "/opt/tk73/SYSTEM");
    EXPECT_EQ(userString(nullptr, "SystemPath"), "");
    uint32_t level = 0;
    EXPECT_EQ(AecrbsGetRegistryLocalMachineSystemValueDW("\\TRACE\\STOREPORT", &level, "Level"), 1);
    EXPECT_EQ(level, 3u);
    EXPECT_EQ(AecrbsGetRegistryLocalMachineSystemValueDWEx("\\TRACE\\STOREPORT", &level, "Mode"),
              0);
    EXPECT_EQ(AecrbsGetRegistryLocalMachineSystemValueDWEx("\\TRACE\\STOREPORT", &level, "LEVEL"),
              1);
}

TEST_F(RegistrySettings, KeysLongerThanTheLimitAreNeitherWrittenNorRead) {
    const std::string root(tk73test::kToolRoot);
    const std::string longest = "\\" + std::string(259 - root.size() - 1, 'K');
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(longest.c_str(), "V", "fits"), 1);
    EXPECT_EQ(userString(longest.c_str(), "V"), "fits");
    const std::string tooLong = longest + "K";
    EXPECT_EQ(AecrbsSetRegistryCurrentUserSystemString(tooLong.c_str(), "V", "x"), 0);
    const uint32_t one = 1;
    EXPECT_EQ(AecrbsSetRegistryCurrentUserSystemValueDW(tooLong.c_str(), "V", &one), 0);
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey(tooLong.c_str()), 0);
}

TEST_F(RegistrySettings, TheLaunchVekToolFlagSwitchesTheRootOfEveryOperation) {
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "CURRENTSTORE", "001"), 1);
    installString("InstallPath", "/opt/vek", tk73test::kVekRoot);
    AecrbsSetLaunchVekTool(1);
    EXPECT_EQ(AecrbsCheckRegistryCurrentUserSystemKey(nullptr), 0);
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "");
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "CURRENTSTORE", "002"), 1);
    char buffer[TK73_MAX_PATH];
    AecrbsGetRegistryLocalMachineSystemString(nullptr, buffer, sizeof buffer, "InstallPath");
    EXPECT_STREQ(buffer, "/opt/vek");
    EXPECT_EQ(tk73::registryReadValue(tk73::Hive::User, tk73test::kVekRoot, "CURRENTSTORE")->text,
              "002");
    AecrbsSetLaunchVekTool(0);
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "001");
    AecrbsGetRegistryLocalMachineSystemString(nullptr, buffer, sizeof buffer, "InstallPath");
    EXPECT_STREQ(buffer, "");
}

TEST_F(DesktopRegister, MissingOrEmptyValuesGive999) {
    char branch[4096] = "x";
    char store[4096] = "x";
    char reg[4096] = "x";
    EXPECT_EQ(AecrbsGetDesktopRegister(branch, store, reg), 1);
    EXPECT_STREQ(branch, "999");
    EXPECT_STREQ(store, "999");
    EXPECT_STREQ(reg, "999");
    ASSERT_EQ(AecrbsSetDesktopRegister("001", "", "003"), 1);
    EXPECT_EQ(AecrbsGetDesktopRegister(branch, store, reg), 1);
    EXPECT_STREQ(branch, "001");
    EXPECT_STREQ(store, "999");
    EXPECT_STREQ(reg, "003");
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "");
}

TEST_F(DesktopRegister, SettingStopsAtTheFirstFailure) {
    ASSERT_EQ(AecrbsSetDesktopRegister("001", "002", "003"), 1);
    EXPECT_EQ(AecrbsSetDesktopRegister("011", nullptr, "013"), 0);
    EXPECT_EQ(userString(nullptr, "CURRENTBRANCH"), "011");
    EXPECT_EQ(userString(nullptr, "CURRENTSTORE"), "002");
    EXPECT_EQ(userString(nullptr, "CURRENTREGISTER"), "003");
}

TEST_F(ProcessSwitches, StartAtZeroAndKeepWhatIsSet) {
    EXPECT_EQ(AecrbsGetLaunchVekTool(), 0);
    EXPECT_EQ(AecrbsGetCurrentVekSetting(), 0);
    EXPECT_EQ(AecrbsSetLaunchVekTool(1), 1);
    EXPECT_EQ(AecrbsGetLaunchVekTool(), 1);
    EXPECT_EQ(AecrbsSetCurrentVekSetting(1, 0), 1);
    EXPECT_EQ(AecrbsGetCurrentVekSetting(), 1);
    // Nothing is ever saved, so a restore changes nothing.
    AecrbsSetCurrentVekSetting(0, 1);
    AecrbsSetCurrentVekSetting(1, 0);
    EXPECT_EQ(AecrbsRestoreCurrentVekSetting(), 0);
    EXPECT_EQ(AecrbsGetCurrentVekSetting(), 1);
}
