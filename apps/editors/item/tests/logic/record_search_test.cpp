#include "apps/editors/item/record_search.h"

#include "apps/editors/item/tests/logic/item_store_fixture.h"

using tk73item::NameSearch;
using tk73item::RecordSearch;
using tk73itemtest::ItemStoreTest;

class RecordSearchTest : public ItemStoreTest {
  protected:
    void SetUp() override {
        ItemStoreTest::SetUp();
        std::string file = store_.Mainte(0, 4);
        rename(file, 20, "Zebra cake      ");
        rename(file, 120, "Iced zebra bun  ");
        rename(file, 200, "ZEBRA BAR       ");
        store_.SetMainte(0, 4, file);
        ReadSet("P");
        search_ = std::make_unique<RecordSearch>(handle_, items_.Find(2)->def);
    }

    static void rename(std::string& file, int record, const std::string& name) {
        const std::string line = tk73itemtest::RecordLine(file, record);
        const size_t at = file.find(line);
        // 000120,"04012300000075","Name            ",...
        file.replace(at + 25, name.size(), name);
    }

    int find(int current, const char* text, bool caseSensitive, bool forward) {
        return search_->FindNext(current, NameSearch{text, caseSensitive, forward});
    }

    std::unique_ptr<RecordSearch> search_;
};

TEST_F(RecordSearchTest, MemoryJumpStaysWithinTheRecords) {
    EXPECT_EQ(search_->MemoryJump(1), 1);
    EXPECT_EQ(search_->MemoryJump(300), 300);
    EXPECT_EQ(search_->MemoryJump(0), -1);
    EXPECT_EQ(search_->MemoryJump(301), -1);
}

TEST_F(RecordSearchTest, FindNextGoesOnFromTheSelectedRecordInEitherDirection) {
    EXPECT_EQ(find(0, "zebra", false, true), 20);
    EXPECT_EQ(find(20, "zebra", false, true), 120);
    EXPECT_EQ(find(120, "zebra", false, true), 200);
    EXPECT_EQ(find(200, "zebra", false, true), -1);
    EXPECT_EQ(find(0, "zebra", false, false), 200);
    EXPECT_EQ(find(200, "zebra", false, false), 120);
    EXPECT_EQ(find(20, "zebra", false, false), -1);
    // With case, only the name written alike is found.
    EXPECT_EQ(find(0, "zebra", true, true), 120);
    EXPECT_EQ(find(120, "zebra", true, true), -1);
    EXPECT_EQ(find(0, "ZEBRA", true, false), 200);
    EXPECT_EQ(find(300, "Zebra", true, false), 20);
}

TEST_F(RecordSearchTest, NothingToLookForFindsNothing) {
    EXPECT_EQ(find(0, "", false, true), -1);
    EXPECT_EQ(find(0, "a text longer than a name", false, true), -1);
    EXPECT_EQ(find(0, "no such name", false, true), -1);
}
