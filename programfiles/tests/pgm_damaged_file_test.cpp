#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "programfiles/pgm_file_rw.h"
#include "programfiles/tests/pgm_handle_fixture.h"

namespace {

// Every cut and many random changes of a PLU file: reading, writing and searching answer with a
// result and never touch bytes outside the file; a write never changes the file's length.
class PgmDamagedFileTest : public pgmtest::PluHandleTest {
  protected:
    void exercise(const std::string& bytes) {
        store_.writeMainte(4, bytes);
        CTK73pgmPgmFileRW file(store_.mainteFile(4).c_str());
        if (file.ReadPgmFile()) {
            EXPECT_LE(file.m_nHeaderLength, file.m_nFileSize);
            EXPECT_GE(file.m_nRecordCount, 0);
        }
        tagPGMITEMDEF defs[] = {item(1), item(2), item(3), item(4), item(5), item(7)};
        PGMITEMDATAARRAY values[6];
        // A damaged file may refuse any of these; the test asks only that none of them crashes.
        (void)handle_.ReadItems(defs, 6, 1, 4, values, 0);
        for (tagPGMITEMDEF& def : defs) {
            const uint64_t one = 1;
            (void)handle_.WriteItem(
                &def, 2, def.nDataType == PGM_DATA_CHAR ? "x" : static_cast<const void*>(&one),
                def.nDataType == PGM_DATA_CHAR ? 1 : 8);
            (void)handle_.SearchItem(&def, 1, "zz", 2, 1, 0, 0);
            (void)handle_.SearchItem(&def, 4, "zz", 2, 0, 1, 0);
        }
        EXPECT_EQ(store_.readMainte(4).size(), bytes.size());
    }
};

TEST_F(PgmDamagedFileTest, EveryCutOfAFile) {
    const std::string whole = pgmtest::pluFile(4);
    for (size_t size = 0; size <= whole.size(); ++size) {
        exercise(whole.substr(0, size));
    }
}

TEST_F(PgmDamagedFileTest, RandomlyChangedBytes) {
    const std::string whole = pgmtest::pluFile(4);
    std::mt19937 random(20240607);
    const char special[] = {'"', ',', '\r', '\n', '\0', '0', 'F', ' ', '\x83'};
    for (int round = 0; round < 300; ++round) {
        std::string bytes = whole;
        for (int change = 0; change < 3; ++change) {
            const size_t at = random() % bytes.size();
            bytes[at] =
                random() % 2 ? special[random() % sizeof special] : static_cast<char>(random());
        }
        exercise(bytes);
    }
}

}  // namespace
