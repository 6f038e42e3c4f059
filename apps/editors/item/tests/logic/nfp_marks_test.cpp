#include "apps/editors/item/nfp_marks.h"

#include "apps/editors/item/tests/logic/item_store_fixture.h"

using tk73itemtest::DifferingOffsets;
using tk73itemtest::ItemStoreTest;
using tk73itemtest::RecordLine;

namespace {

// The second digit of a PLU record's status field ("002000000000"); the mark is its bit 4.
constexpr size_t kStatusDigit2 = 45;

void setStatusDigit(std::string& file, int record, char digit) {
    const std::string line = RecordLine(file, record);
    file[file.find(line) + kStatusDigit2] = digit;
}

}  // namespace

TEST_F(ItemStoreTest, ClearingTheNfpMarksTouchesOnlyTheMarkedRecordsMarks) {
    std::string file = store_.Mainte(0, 4);
    setStatusDigit(file, 3, '8');
    setStatusDigit(file, 150, 'C');  // the mark and the bit beside it
    setStatusDigit(file, 300, '8');
    store_.SetMainte(0, 4, file);
    const tk73item::ItemPageSet& set = ReadSet("P");

    std::vector<int> cleared;
    ASSERT_EQ(tk73item::ClearNfpMarks(handle_, items_, set.nfpItem, cleared), 1);
    EXPECT_EQ(cleared, (std::vector<int>{3, 150, 300}));
    const std::string after = store_.Mainte(0, 4);
    EXPECT_EQ(RecordLine(after, 150)[kStatusDigit2], '4');
    const std::vector<size_t> changed = DifferingOffsets(file, after);
    ASSERT_EQ(changed.size(), 3u);
    EXPECT_EQ(changed[0], file.find(RecordLine(file, 3)) + kStatusDigit2);

    // Nothing marked: nothing to clear, nothing written.
    ASSERT_EQ(tk73item::ClearNfpMarks(handle_, items_, set.nfpItem, cleared), 1);
    EXPECT_TRUE(cleared.empty());
    EXPECT_EQ(store_.Mainte(0, 4), after);
}

TEST_F(ItemStoreTest, NoMarksToClearWithoutTheMarkItem) {
    const tk73item::ItemPageSet& set = ReadSet("S");
    std::vector<int> cleared{1};
    EXPECT_EQ(tk73item::ClearNfpMarks(handle_, items_, set.nfpItem, cleared), 0);
    EXPECT_TRUE(cleared.empty());
}
