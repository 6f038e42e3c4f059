// The menu update stamp on stores made from the shipped installation.

#include <gtest/gtest.h>

#include <filesystem>

#include "programfiles/cmn_update_info.h"
#include "programfiles/tests/shipped_store.h"

namespace {

using namespace mergetest;

std::tm at(int year, int month, int day, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

TEST(MenuUpdateStamp, IsSixBinaryCodedDecimalBytes) {
    const CCmnUpdateInfo::StampBytes bytes =
        CCmnUpdateInfo::MakeStampBytes(at(2031, 3, 2, 9, 5, 7));
    EXPECT_EQ(bytes, (CCmnUpdateInfo::StampBytes{0x07, 0x05, 0x09, 0x02, 0x03, 0x31}));
    EXPECT_EQ(CCmnUpdateInfo::MakeStampBytes(at(1999, 12, 31, 23, 59, 58)),
              (CCmnUpdateInfo::StampBytes{0x58, 0x59, 0x23, 0x31, 0x12, 0x99}));
}

class StampedStore : public ::testing::Test {
  protected:
    std::string regStamp() const { return ShippedInstallation::read(install.regFile(store, 998)); }
    std::string vekStamp() const { return ShippedInstallation::read(install.vekFile(store, 998)); }

    ShippedInstallation install;
    int store = install.createStore(kKR301, kVK500);
};

TEST_F(StampedStore, WritesTheTimeIntoTheFirstRecordOfBothMachines) {
    const std::string reg = regStamp();
    const std::string vek = vekStamp();
    CCmnUpdateInfo info(store);
    ASSERT_EQ(info.UpdateMenuDateTime(1, 1, at(2031, 3, 2, 9, 5, 7)), 1);
    // The item's hexadecimal digits read the bytes from the year down; nothing else of the
    // file changes.
    const std::string record = "000001,\"";
    for (const auto& [before, after] : {std::pair{reg, regStamp()}, {vek, vekStamp()}}) {
        std::string expected = before;
        expected.replace(before.find(record) + record.size(), 12, "310302090507");
        EXPECT_EQ(after, expected);
    }
}

TEST_F(StampedStore, StampsOnlyTheMachinesAskedFor) {
    const std::string vek = vekStamp();
    CCmnUpdateInfo info(store);
    ASSERT_EQ(info.UpdateMenuDateTime(1, 0, at(2031, 3, 2, 9, 5, 7)), 1);
    EXPECT_EQ(vekStamp(), vek);
    EXPECT_NE(regStamp().find("310302090507"), std::string::npos);
    EXPECT_EQ(info.UpdateMenuDateTime(0, 0), 1);
}

TEST_F(StampedStore, AFailedControllerStampLeavesTheRegisterAlone) {
    const std::string reg = regStamp();
    std::filesystem::remove(install.vekFile(store, 998));
    EXPECT_EQ(CCmnUpdateInfo(store).UpdateMenuDateTime(1, 1), 0);
    EXPECT_EQ(regStamp(), reg);
    EXPECT_EQ(CCmnUpdateInfo(store).UpdateMenuDateTime(1, 0), 1);
    EXPECT_NE(regStamp(), reg);
}

TEST_F(StampedStore, FollowsWritesOfTheMenuUpdateFilesOnly) {
    const std::string reg = regStamp();
    const std::string vek = vekStamp();
    EXPECT_EQ(CCmnUpdateInfo::UpdateMenuDateTimeAfterWrite(store, 4), 1);
    EXPECT_EQ(regStamp(), reg);
    EXPECT_EQ(CCmnUpdateInfo::UpdateMenuDateTimeAfterWrite(store, 2), 1);
    EXPECT_NE(regStamp(), reg);
    EXPECT_NE(vekStamp(), vek);
    EXPECT_EQ(CCmnUpdateInfo::IsMenuUpdateFile(14), 1);
    EXPECT_EQ(CCmnUpdateInfo::IsMenuUpdateFile(998), 0);
}

TEST(MenuUpdateStampWithoutController, StampsTheRegisterAndSkipsTheController) {
    ShippedInstallation install;
    const int store = install.createStore(kKR150, 0);
    CCmnUpdateInfo info(store);
    EXPECT_EQ(info.HasVek(), 0);
    EXPECT_EQ(info.GetVekPgmHandle().IsOpened(), 0);
    EXPECT_EQ(info.UpdateMenuDateTime(0, 1), 1);
    EXPECT_EQ(info.UpdateMenuDateTime(1, 1, at(2031, 3, 2, 9, 5, 7)), 1);
    EXPECT_NE(ShippedInstallation::read(install.regFile(store, 998)).find("310302090507"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(install.storeFolder(store) + "/O001"));
}

}  // namespace
