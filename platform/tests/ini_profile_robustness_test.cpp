// Oversized lines, binary garbage and files that are no profile files at all: reads stay within
// the buffer and give what the file holds, writes keep the bytes they do not change.

#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/tests/ini_profile_fixture.h"

using namespace std::string_literals;

TEST_F(IniProfileTest, HundredKilobyteLineIsReadCutAndKept) {
    const std::string huge(100 * 1024, 'x');
    const std::string original = "[S]\r\nHUGE=" + huge + "\r\nK=1\r\n";
    write(original);
    EXPECT_EQ(get("S", "HUGE", "", 256).result, 255u);
    std::vector<char> whole(huge.size() + 1);
    EXPECT_EQ(tk73_GetPrivateProfileStringA("S", "HUGE", "", whole.data(),
                                            static_cast<uint32_t>(whole.size()), path()),
              huge.size());
    EXPECT_EQ(std::string(whole.data()), huge);

    ASSERT_EQ(set("S", "K", "2"), 1);
    EXPECT_EQ(contents(), "[S]\r\nHUGE=" + huge + "\r\nK=2\r\n");
    ASSERT_EQ(set("S", "HUGE2", huge.c_str()), 1);
    EXPECT_EQ(value("S", "HUGE2").size(), 255u);
}

TEST_F(IniProfileTest, BinaryGarbageReadsWithoutHarmAndSurvivesWrites) {
    std::mt19937 random(73);
    std::string garbage(64 * 1024, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random() & 0xFF);
    }
    write(garbage);
    for (uint32_t size : {0u, 1u, 2u, 3u, 64u, 4096u}) {
        list(nullptr, size == 0 ? 1 : size);
        get("S", "K", "d", size == 0 ? 1 : size);
    }
    tk73_GetPrivateProfileIntA("S", "K", 0, path());
    ASSERT_EQ(set("ADDED", "K", "v"), 1);
    const std::string after = contents();
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(value("ADDED", "K"), "v");
}

// The lines before the first header are the section "", which the section list leaves out; a
// header without a name opens a section that no name finds. So Windows reads them.
TEST_F(IniProfileTest, LinesBeforeTheFirstHeaderAreTheSectionWithoutName) {
    write("K=1\r\njust text\r\n\0\0=\r\n[]\r\nHIDDEN=1\r\n[S]\r\nK=2\r\n"s);
    EXPECT_EQ(value("", "K"), "1");
    EXPECT_EQ(value(" ", "K"), "1");
    EXPECT_EQ(value("", "HIDDEN"), "<none>");
    EXPECT_EQ(list(nullptr).bytes, "S\0\0"s);
    ASSERT_EQ(set("", "NEW", "x"), 1);
    ASSERT_EQ(set("S", "K", "3"), 1);
    EXPECT_EQ(contents(),
              "K=1\r\njust text\r\n\0\0=\r\nNEW=x\r\n[]\r\nHIDDEN=1\r\n[S]\r\nK=3\r\n"s);

    write("K=1\r\n");
    EXPECT_EQ(list(nullptr).bytes, "\0"s);
    ASSERT_EQ(set("", nullptr, nullptr), 1);
    EXPECT_EQ(contents(), "");
}

TEST_F(IniProfileTest, FolderOrPipeInPlaceOfTheFileReadsAsEmptyAndRefusesWrites) {
    std::filesystem::create_directories(file_);
    EXPECT_EQ(value("S", "K"), "<none>");
    EXPECT_EQ(set("S", "K", "v"), 0);
    EXPECT_TRUE(std::filesystem::is_directory(file_));

    const std::string pipe = env_.path("pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    char buffer[8];
    EXPECT_EQ(tk73_GetPrivateProfileStringA("S", "K", "d", buffer, 8, pipe.c_str()), 1u);
    EXPECT_EQ(tk73_WritePrivateProfileStringA("S", "K", "v", pipe.c_str()), 0);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}
