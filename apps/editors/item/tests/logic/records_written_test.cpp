#include "apps/editors/item/records_written.h"

#include <ctime>
#include <filesystem>

#include "apps/editors/item/tests/logic/item_store_fixture.h"
#include "base/registry_settings.h"

using tk73itemtest::DifferingOffsets;
using tk73itemtest::ItemStoreTest;
using tk73itemtest::RecordLine;

namespace {

// The stamp of file 998: its bytes read as one number, from the year down to the seconds.
std::string stampOf(const std::string& file) {
    return RecordLine(file, 1).substr(8, 12);
}

// The BCD stamp of a local time.
std::string stampAt(std::time_t at) {
    std::tm local{};
    localtime_r(&at, &local);
    char text[80];
    std::snprintf(text, sizeof(text), "%02d%02d%02d%02d%02d%02d", local.tm_year % 100,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

}  // namespace

class RecordsWrittenTest : public ItemStoreTest {
  protected:
    // Writes a new name into the register's record of the set's name item.
    void Rename(const tk73item::ItemPageSet& set, int record, const char* name) {
        ReadSet(set.flag.c_str());
        tagPGMITEMDEF def = items_.Find(set.nameItem)->def;
        ASSERT_EQ(handle_.WriteItem(&def, record, name, 32), 1);
    }

    const tk73item::ItemPageSet& Set(const char* flag) { return *tk73item::findItemPageSet(flag); }
};

TEST_F(RecordsWrittenTest, APluRecordReachesTheControllerAndStampsBothMachines) {
    const std::string vekBefore = store_.Mainte(1, 4);
    Rename(Set("P"), 12, "Seeded roll");
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(tk73item::AfterRecordsWritten(1, Set("P"), 4, {12}), 1);
    const std::time_t after = std::time(nullptr);

    const std::string vek = store_.Mainte(1, 4);
    EXPECT_NE(RecordLine(vek, 12).find("\"Seeded roll     \""), std::string::npos);
    // Nothing but record 12 changed on the controller.
    const size_t line = vek.find(RecordLine(vek, 12));
    for (const size_t offset : DifferingOffsets(vekBefore, vek)) {
        EXPECT_GT(offset, line);
        EXPECT_LT(offset, line + RecordLine(vek, 12).size());
    }
    for (const int machine : {0, 1}) {
        const std::string stamp = stampOf(store_.Mainte(machine, 998));
        // Taken during the call; the stamp's digits sort as times do.
        EXPECT_TRUE(stampAt(before) <= stamp && stamp <= stampAt(after)) << stamp;
    }
}

TEST_F(RecordsWrittenTest, DepartmentsAreCopiedGroupsAndScanningPlusAreNot) {
    const std::string stampBefore = store_.Mainte(0, 998);
    Rename(Set("S"), 2, "Cheese");
    ASSERT_EQ(tk73item::AfterRecordsWritten(1, Set("S"), 5, {2}), 1);
    EXPECT_NE(RecordLine(store_.Mainte(1, 5), 2).find("\"Cheese      \""), std::string::npos);

    const std::string vekGroups = store_.Mainte(1, 6);
    Rename(Set("G"), 2, "Dry goods");
    ASSERT_EQ(tk73item::AfterRecordsWritten(1, Set("G"), 6, {2}), 1);
    EXPECT_EQ(store_.Mainte(1, 6), vekGroups);
    // Neither departments nor groups are menu data.
    EXPECT_EQ(store_.Mainte(0, 998), stampBefore);

    const std::string vekPlu = store_.Mainte(1, 4);
    Rename(Set("C"), 2, "Jigsaw");
    ASSERT_EQ(tk73item::AfterRecordsWritten(1, Set("C"), 2, {2}), 1);
    EXPECT_EQ(store_.Mainte(1, 4), vekPlu);
    EXPECT_NE(store_.Mainte(0, 998), stampBefore);
    EXPECT_EQ(stampOf(store_.Mainte(0, 998)), stampOf(store_.Mainte(1, 998)));
}

TEST_F(RecordsWrittenTest, TheControllersOwnSettingsAreNotOverwritten) {
    const std::string vekBefore = store_.Mainte(1, 4);
    Rename(Set("P"), 12, "Seeded roll");
    AecrbsSetCurrentVekSetting(1, 0);
    const int result = tk73item::AfterRecordsWritten(1, Set("P"), 4, {12});
    AecrbsSetCurrentVekSetting(0, 0);
    ASSERT_EQ(result, 1);
    EXPECT_EQ(store_.Mainte(1, 4), vekBefore);
}

TEST_F(RecordsWrittenTest, AStampThatCannotBeWrittenIsReported) {
    std::filesystem::remove(store_.MainteFile(1, 998));
    Rename(Set("C"), 2, "Jigsaw");
    EXPECT_EQ(tk73item::AfterRecordsWritten(1, Set("C"), 2, {2}), 0);
}
