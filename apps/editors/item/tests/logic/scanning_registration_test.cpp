#include "apps/editors/item/scanning_registration.h"

#include "apps/editors/item/scanning_code.h"
#include "apps/editors/item/tests/logic/item_store_fixture.h"
#include "platform/ini_profile.h"

using tk73item::ScanningPlace;
using tk73item::ScanningRegistration;
using tk73itemtest::DifferingOffsets;
using tk73itemtest::ItemStoreTest;
using tk73itemtest::RecordLine;

namespace {

// Offsets in a scanning PLU record line: 000001,"04098700000136","Greeting card   ",
// "00000299","0008","000001"
constexpr size_t kCode = 8;
constexpr size_t kName = 25;
constexpr size_t kPrice = 44;
constexpr size_t kAge = 62;

// Record n of a full file: code 0409870000n, age given.
std::string usedRecord(int record, int age) {
    char line[96];
    std::snprintf(line, sizeof(line),
                  "%06d,\"040987%08d\",\"Article %-8d\",\"00000100\",\"0008\",\"%06d\"", record,
                  record, record, age);
    return line;
}

}  // namespace

class ScanningRegistrationTest : public ItemStoreTest {
  protected:
    void SetUp() override {
        ItemStoreTest::SetUp();
        before_ = store_.Mainte(0, 2);
    }

    ScanningRegistration Registration() {
        const tk73item::ItemPageSet& set = ReadSet("C");
        return ScanningRegistration(handle_, items_, set.codeItem, set.nameItem, set.ageItem);
    }

    // Fills every record of the file, each with the age given by ageOf(record).
    template <class AgeOf>
    void FillFile(AgeOf ageOf) {
        std::string file = before_;
        for (int record = 1; record <= 50; ++record) {
            const std::string line = RecordLine(file, record);
            file.replace(file.find(line), line.size(), usedRecord(record, ageOf(record)));
        }
        store_.SetMainte(0, 2, file);
        before_ = file;
    }

    std::string before_;
};

TEST_F(ScanningRegistrationTest, ARegisteredCodeIsFoundAndANewOneTakesTheFirstFreeRecord) {
    ScanningRegistration registration = Registration();
    ASSERT_TRUE(registration.KeepsAges());
    const ScanningPlace registered = registration.Place("04098700000266");
    EXPECT_EQ(registered.kind, ScanningPlace::Kind::Registered);
    EXPECT_EQ(registered.record, 2);

    // The store's file uses its first records, with ages in their order.
    const std::string code = *tk73item::normaliseScanningCode("96385074");
    const ScanningPlace free = registration.Place(code);
    ASSERT_EQ(free.kind, ScanningPlace::Kind::Free);
    ASSERT_EQ(RecordLine(before_, free.record).substr(kCode, 14), "00000000000000");
    ASSERT_EQ(registration.Register(free.record, code, false), 1);

    // Only the code and the age of that record changed.
    const std::string after = store_.Mainte(0, 2);
    const std::string line = RecordLine(after, free.record);
    EXPECT_EQ(line.substr(kCode, 14), code);
    const int newest = std::atoi(RecordLine(before_, free.record - 1).substr(kAge, 6).c_str());
    EXPECT_EQ(std::atoi(line.substr(kAge, 6).c_str()), newest + 1);
    const size_t lineStart = after.find(line);
    for (const size_t offset : DifferingOffsets(before_, after)) {
        const size_t inLine = offset - lineStart;
        EXPECT_TRUE((inLine >= kCode && inLine < kCode + 14) ||
                    (inLine >= kAge && inLine < kAge + 6))
            << "offset " << offset;
    }
    EXPECT_EQ(registration.Find(code), free.record);
}

TEST_F(ScanningRegistrationTest, AFullFileOffersItsOldestRecordWhichLosesItsFormerArticle) {
    // Record 17 holds the lowest age.
    FillFile([](int record) { return record == 17 ? 3 : 100 + record; });
    ScanningRegistration registration = Registration();
    const ScanningPlace oldest = registration.Place("00000000000777");
    ASSERT_EQ(oldest.kind, ScanningPlace::Kind::Oldest);
    EXPECT_EQ(oldest.record, 17);
    EXPECT_EQ(oldest.code, "04098700000017");
    EXPECT_EQ(oldest.name, "Article 17");

    ASSERT_EQ(registration.Register(17, "00000000000777", true), 1);
    const std::string line = RecordLine(store_.Mainte(0, 2), 17);
    EXPECT_EQ(line,
              "000017,\"00000000000777\",\"                \",\"00000000\",\"0000\","
              "\"000151\"");
    EXPECT_EQ(store_.Mainte(0, 2).size(), before_.size());
}

TEST_F(ScanningRegistrationTest, AgesAreNumberedAgainWhenTheNextOneWouldNotFit) {
    // Record 3 is free; the others are old to new from record 50 down, the newest at 999999.
    FillFile([](int record) { return 999999 - (record - 1); });
    std::string file = before_;
    const std::string third = RecordLine(file, 3);
    file.replace(file.find(third), third.size(),
                 "000003,\"00000000000000\",\"                \",\"00000000\",\"0000\","
                 "\"000000\"");
    store_.SetMainte(0, 2, file);
    ScanningRegistration registration = Registration();
    ASSERT_EQ(registration.Register(3, "00000001234567", false), 1);
    const std::string after = store_.Mainte(0, 2);
    // 49 used records keep their order as 1 (record 50) to 49 (record 1); the new one is 50.
    EXPECT_EQ(RecordLine(after, 50).substr(kAge, 6), "000001");
    EXPECT_EQ(RecordLine(after, 1).substr(kAge, 6), "000049");
    EXPECT_EQ(RecordLine(after, 3).substr(kAge, 6), "000050");
    EXPECT_EQ(RecordLine(after, 4).substr(kAge, 6), "000047");
    EXPECT_EQ(RecordLine(after, 4).substr(kName, 16), "Article 4       ");
    EXPECT_EQ(RecordLine(after, 4).substr(kPrice, 8), "00000100");
}

TEST_F(ScanningRegistrationTest, WithoutAgesAFullFileTakesNoMoreCodes) {
    FillFile([](int record) { return record; });
    ASSERT_NE(tk73_WritePrivateProfileStringA("PGM_MENU_016", "ITEM_005_FILE", nullptr,
                                              store_.DefinitionFile(0).c_str()),
              0);
    ScanningRegistration registration = Registration();
    EXPECT_FALSE(registration.KeepsAges());
    EXPECT_EQ(registration.Place("00000000000777").kind, ScanningPlace::Kind::Full);
    EXPECT_EQ(registration.Place("04098700000017").kind, ScanningPlace::Kind::Registered);
    EXPECT_EQ(store_.Mainte(0, 2), before_);
}
