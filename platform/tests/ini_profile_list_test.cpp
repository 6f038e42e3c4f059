// Section lists, key lists and whole sections: NUL-separated lists ending in two NULs, cut with
// the result size - 2.

#include <string>

#include "platform/tests/ini_profile_fixture.h"

using namespace std::string_literals;

TEST_F(IniProfileTest, SectionListKeepsFileOrderAndEveryHeader) {
    write("[ONE]\r\nA=1\r\n[Two]\nB=2\n[ONE]\r\n[  three  ]\r\n");
    const Read sections = list(nullptr);
    EXPECT_EQ(sections.bytes, "ONE\0Two\0ONE\0three\0\0"s);
    EXPECT_EQ(sections.result, 18u);
}

TEST_F(IniProfileTest, KeyListOfFirstSectionInFileOrder) {
    write("[S]\r\nB=2\r\n;C=3\r\nA=1\r\nB=again\r\n[s]\r\nD=4\r\n");
    const Read keys = list("S");
    EXPECT_EQ(keys.bytes, "B\0A\0B\0\0"s);
    EXPECT_EQ(keys.result, 6u);
}

TEST_F(IniProfileTest, EmptyOrMissingSectionGivesTheDefaultForItsKeyList) {
    write("[EMPTY]\r\n; only a comment\r\n[FULL]\r\nK=1\r\n");
    char buffer[32];
    EXPECT_EQ(tk73_GetPrivateProfileStringA("EMPTY", nullptr, "none", buffer, 32, path()), 4u);
    EXPECT_STREQ(buffer, "none");
    EXPECT_EQ(tk73_GetPrivateProfileStringA("GONE", nullptr, nullptr, buffer, 32, path()), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST_F(IniProfileTest, KeyListsLongerThanTwoKilobytesAreComplete) {
    std::string file = "[MANY]\r\n";
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "PGM_MENU_" + std::to_string(1000 + i);
        file += name + "=" + std::to_string(i) + "\r\n";
        expected += name + '\0';
    }
    write(file);
    const Read all = list("MANY", 8192);
    EXPECT_EQ(all.result, expected.size());
    EXPECT_EQ(all.bytes, expected + '\0');
    EXPECT_GT(all.result, 2048u);

    const Read cut = list("MANY", 2048);
    EXPECT_EQ(cut.result, 2046u);
    EXPECT_EQ(cut.bytes.size(), 2048u);
    EXPECT_EQ(cut.bytes.substr(0, 2046), expected.substr(0, 2046));
    EXPECT_EQ(cut.bytes.substr(2046), "\0\0"s);
}

TEST_F(IniProfileTest, CutListsEndInTwoNulsWithSizeMinusTwo) {
    write("[AB]\r\n[CD]\r\n");
    const auto sections = [&](uint32_t size) { return list(nullptr, size); };
    EXPECT_EQ(sections(7).result, 6u);
    EXPECT_EQ(sections(7).bytes, "AB\0CD\0\0"s);
    EXPECT_EQ(sections(6).result, 4u);
    EXPECT_EQ(sections(6).bytes, "AB\0C\0\0"s);
    EXPECT_EQ(sections(4).result, 2u);
    EXPECT_EQ(sections(4).bytes, "AB\0\0"s);
    EXPECT_EQ(sections(3).result, 1u);
    EXPECT_EQ(sections(3).bytes, "A\0\0"s);
    EXPECT_EQ(sections(2).result, 0u);
    EXPECT_EQ(sections(2).bytes, "\0\0"s);
    char one = '#';
    EXPECT_EQ(tk73_GetPrivateProfileStringA(nullptr, nullptr, "", &one, 1, path()), 0u);
    EXPECT_EQ(one, '\0');
}

TEST_F(IniProfileTest, SectionGivesItsLinesWithBlanksRemovedAndQuotesKept) {
    write("[S]\r\n  K = v  \r\n;comment\r\nPLAIN\r\n\r\nQ=\"x\"\r\nE=\r\n[T]\r\nX=1\r\n");
    char buffer[64];
    const uint32_t result = tk73_GetPrivateProfileSectionA("S", buffer, sizeof buffer, path());
    const std::string expected = "K=v\0PLAIN\0Q=\"x\"\0E=\0\0"s;
    EXPECT_EQ(result, expected.size() - 1);
    EXPECT_EQ(std::string(buffer, expected.size()), expected);

    EXPECT_EQ(tk73_GetPrivateProfileSectionA("S", buffer, 8, path()), 6u);
    EXPECT_EQ(std::string(buffer, 8), "K=v\0PL\0\0"s);
    EXPECT_EQ(tk73_GetPrivateProfileSectionA("GONE", buffer, sizeof buffer, path()), 0u);
    EXPECT_EQ(std::string(buffer, 2), "\0\0"s);
}
