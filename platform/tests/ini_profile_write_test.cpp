// Writes change the one line concerned and keep every other byte of the file as it was.

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/tests/ini_profile_fixture.h"

namespace {

const std::string kOriginal =
    "; shipped definition\r\n"
    "[FILE_INF]\r\n"
    "ALL_FILE_NUM = 12 \r\n"
    "  Title=\"Department\"\r\n"
    "; after the last key\r\n"
    "\r\n"
    "[FILE0004]\r\n"
    "ALL_FIELD_NUM=30\r\n";

}  // namespace

TEST_F(IniProfileTest, RewriteDiffersOnlyInTheWrittenKey) {
    write(kOriginal);
    ASSERT_EQ(set("file_inf", "title", "PLU"), 1);
    std::string expected = kOriginal;
    expected.replace(expected.find("  Title=\"Department\""), 20, "  Title=PLU");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(value("FILE_INF", "TITLE"), "PLU");
}

TEST_F(IniProfileTest, LfFileKeepsItsLinesAndWrittenLinesEndInCrLf) {
    write("[A]\nK=1\nL=2\n[B]\nM=3\n");
    ASSERT_EQ(set("A", "K", "9"), 1);
    ASSERT_EQ(set("A", "NEW", "x"), 1);
    ASSERT_EQ(set("C", "N", "y"), 1);
    EXPECT_EQ(contents(), "[A]\nK=9\r\nL=2\nNEW=x\r\n[B]\nM=3\n[C]\r\nN=y\r\n");
}

// As on Windows, a new key goes after the last line of its section, comments included; blank
// lines before the next header stay where they are.
TEST_F(IniProfileTest, MissingKeyGoesAfterTheLastLineOfItsSection) {
    write(kOriginal);
    ASSERT_EQ(set("FILE_INF", "NEXT", "1"), 1);
    std::string expected = kOriginal;
    expected.insert(expected.find("\r\n[FILE0004]"), "NEXT=1\r\n");
    EXPECT_EQ(contents(), expected);
}

TEST_F(IniProfileTest, MissingKeyOfAnEmptySectionGoesAfterItsHeader) {
    write("[EMPTY]\r\n\r\n[NEXT]\r\nK=1\r\n[END]");
    ASSERT_EQ(set("EMPTY", "K", "a"), 1);
    ASSERT_EQ(set("END", "K", "b"), 1);
    EXPECT_EQ(contents(), "[EMPTY]\r\nK=a\r\n\r\n[NEXT]\r\nK=1\r\n[END]\r\nK=b\r\n");
}

// New names and values lose their leading blanks and keep the rest, as Windows writes them.
TEST_F(IniProfileTest, MissingSectionIsAppendedAtTheEnd) {
    write("[A]\r\nK=1");
    ASSERT_EQ(set(" NEW ", " KEY ", "  value  "), 1);
    EXPECT_EQ(contents(), "[A]\r\nK=1\r\n[NEW ]\r\nKEY =value  \r\n");
    EXPECT_EQ(value("NEW", "KEY"), "value");
}

TEST_F(IniProfileTest, MissingFileIsCreatedAndMissingFolderFails) {
    ASSERT_EQ(set("S", "K", "v"), 1);
    EXPECT_EQ(contents(), "[S]\r\nK=v\r\n");

    // Windows cannot open a file in a missing folder: every write fails, and a read gives the
    // default as it is, quotes and all.
    const std::string nowhere = env_.path("no-such-folder/setting.ini");
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", "K", "v", nowhere.c_str()), 0);
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", "K", nullptr, nowhere.c_str()), 0);
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", nullptr, nullptr, nowhere.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(env_.path("no-such-folder")));
    char buffer[8];
    EXPECT_EQ(tk73_GetPrivateProfileStringA("S", "K", "'d'", buffer, 8, nowhere.c_str()), 3u);
    EXPECT_STREQ(buffer, "'d'");
}

// A delete looks for the key in every section of the name, as Windows does, and removes the
// first one it finds; the names are compared as given.
TEST_F(IniProfileTest, NullValueDeletesTheFirstKeyOnly) {
    write("[S]\r\nK=1\r\nL=2\r\nK=3\r\n[T]\r\nK=4\r\n[s]\r\nM=5");
    ASSERT_EQ(set("S", "K", nullptr), 1);
    EXPECT_EQ(contents(), "[S]\r\nL=2\r\nK=3\r\n[T]\r\nK=4\r\n[s]\r\nM=5");
    EXPECT_EQ(value("S", "K"), "3");
    ASSERT_EQ(set("T", "K", nullptr), 1);
    ASSERT_EQ(set(" S", "M", nullptr), 1);
    EXPECT_EQ(contents(), "[S]\r\nL=2\r\nK=3\r\n[T]\r\n[s]\r\nM=5");
    ASSERT_EQ(set("S", "M", nullptr), 1);
    EXPECT_EQ(contents(), "[S]\r\nL=2\r\nK=3\r\n[T]\r\n[s]\r\n");
}

TEST_F(IniProfileTest, NullKeyDeletesTheWholeFirstSection) {
    write("[S]\r\nK=1\r\n; note\r\n\r\n[T]\r\nK=2\r\n[s]\r\nK=3\r\n");
    ASSERT_EQ(set("S", nullptr, nullptr), 1);
    EXPECT_EQ(contents(), "[T]\r\nK=2\r\n[s]\r\nK=3\r\n");
    EXPECT_EQ(value("S", "K"), "3");
}

TEST_F(IniProfileTest, DeletingWhatIsMissingChangesNothing) {
    write("[S]\r\nK=1\n");
    const auto before = std::filesystem::last_write_time(file_);
    EXPECT_EQ(set("S", "GONE", nullptr), 1);
    EXPECT_EQ(set("GONE", nullptr, nullptr), 1);
    EXPECT_EQ(contents(), "[S]\r\nK=1\n");
    EXPECT_EQ(std::filesystem::last_write_time(file_), before);

    const std::string missing = env_.path("missing.ini");
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", nullptr, nullptr, missing.c_str()), 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// A file that begins with a UTF-8 byte order mark keeps it, once, in front of its first section,
// and a write to that section changes the section rather than appending another one.
TEST_F(IniProfileTest, ByteOrderMarkIsKeptAndItsFirstSectionWrittenInPlace) {
    const std::string mark = "\xEF\xBB\xBF";
    write(mark + "[SYSTEM]\r\nINIFILEVER=5\r\n[B]\r\nK=1\r\n");
    ASSERT_EQ(set("SYSTEM", "INIFILEVER", "6"), 1);
    ASSERT_EQ(set("SYSTEM", "MACHINE_TYPE", "3"), 1);
    ASSERT_EQ(set("C", "N", "y"), 1);
    EXPECT_EQ(contents(), mark +
                              "[SYSTEM]\r\nINIFILEVER=6\r\nMACHINE_TYPE=3\r\n[B]\r\nK=1\r\n"
                              "[C]\r\nN=y\r\n");
    ASSERT_EQ(set("SYSTEM", nullptr, nullptr), 1);
    EXPECT_EQ(contents(), mark + "[B]\r\nK=1\r\n[C]\r\nN=y\r\n");

    // A file that holds nothing but the mark gets its first section right after it.
    write(mark);
    ASSERT_EQ(set("S", "K", "v"), 1);
    EXPECT_EQ(contents(), mark + "[S]\r\nK=v\r\n");
}

TEST_F(IniProfileTest, WritesThatCouldNotBeReadBackAreRefused) {
    write(kOriginal);
    EXPECT_EQ(set("FILE_INF", "K", "two\r\nlines"), 0);
    EXPECT_EQ(set("FILE_INF", "A=B", "v"), 0);
    EXPECT_EQ(set("FILE_INF", "=K", "v"), 0);
    EXPECT_EQ(set("FILE_INF", ";K", "v"), 0);
    EXPECT_EQ(set("FILE_INF", "[K", "v"), 0);
    EXPECT_EQ(set("SEC]", "K", "v"), 0);
    EXPECT_EQ(set("SEC\n", "K", "v"), 0);
    EXPECT_EQ(set(nullptr, "K", "v"), 0);
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", "K", "v", nullptr), 0);
    EXPECT_EQ(contents(), kOriginal);
}

TEST_F(IniProfileTest, EveryWriteIsSeenByTheNextRead) {
    write("[S]\r\nK=0\r\n");
    for (int i = 1; i <= 30; ++i) {
        ASSERT_EQ(set("S", "K", std::to_string(i % 10).c_str()), 1);
        ASSERT_EQ(value("S", "K"), std::to_string(i % 10));
    }
}

TEST_F(IniProfileTest, ChangeByAnotherWriterIsSeen) {
    write("[S]\r\nK=old\r\n");
    ASSERT_EQ(value("S", "K"), "old");
    write("[S]\r\nK=new\r\n");
    EXPECT_EQ(value("S", "K"), "new");

    // A file changed long ago is kept parsed; a change in place must still be seen.
    std::filesystem::last_write_time(
        file_, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(value("S", "K"), "new");
    ASSERT_EQ(value("S", "K"), "new");
    write("[S]\r\nK=out\r\n");
    EXPECT_EQ(value("S", "K"), "out");
    std::filesystem::last_write_time(
        file_, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(value("S", "K"), "out");
    ASSERT_EQ(set("S", "K", "own"), 1);
    EXPECT_EQ(value("S", "K"), "own");
}

TEST_F(IniProfileTest, ReplacementKeepsPermissionsAndSymbolicLinks) {
    write("[S]\r\nK=1\r\n");
    ASSERT_EQ(::chmod(path(), 0640), 0);
    const std::string link = env_.path("link.ini");
    std::filesystem::create_symlink(file_, link);
    ASSERT_EQ(tk73_WritePrivateProfileStringA("S", "K", "2", link.c_str()), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(contents(), "[S]\r\nK=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // No temporary file is left beside the result.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env_.root()),
                            std::filesystem::directory_iterator()),
              7);
}

TEST_F(IniProfileTest, ConcurrentWritesLoseNoChange) {
    write("[S]\r\n");
    const auto writer = [&](const char* key) {
        for (int i = 0; i < 50; ++i) {
            EXPECT_NE(tk73_WritePrivateProfileStringA("S", key, std::to_string(i).c_str(), path()),
                      0);
        }
    };
    std::thread first(writer, "A");
    std::thread second(writer, "B");
    first.join();
    second.join();
    EXPECT_EQ(value("S", "A"), "49");
    EXPECT_EQ(value("S", "B"), "49");
}
