#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/file_utils.h"
#include "tests/support/temp_environment.h"

namespace {

// The joined path, or "refused: " and the untouched buffer.
std::string joined(const std::string& path, const char* name) {
    char buffer[TK73_MAX_PATH];
    std::strcpy(buffer, path.c_str());
    return AecrbsAddPath(buffer, name) == 1 ? std::string(buffer)
                                            : "refused: " + std::string(buffer);
}

}  // namespace

TEST(AddPath, JoinsWithExactlyOneSeparatorOfThePathsKind) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(joined("C:\\data", "\\x"), "C:\\data\\x");
    EXPECT_EQ(joined("C:\\data\\", "x"), "C:\\data\\x");
    EXPECT_EQ(joined("a/b", "c\\d"), "a/b/c/d");
    EXPECT_EQ(joined("C:\\data", "DB/S001"), "C:\\data\\DB\\S001");
    EXPECT_EQ(joined("/srv/tk73/", "/DB"), "/srv/tk73/DB");
    EXPECT_EQ(joined("/srv/tk73", ""), "/srv/tk73");
    EXPECT_EQ(joined("/srv/tk73", nullptr), "/srv/tk73");
    EXPECT_EQ(AecrbsAddPath(nullptr, "x"), 0);
}

TEST(AddPath, StepsOverDoubleByteCharacters) {
    tk73test::TempEnvironment environment;
    // The folder name ends with 0x95 0x5C, one character whose trail byte is a backslash.
    EXPECT_EQ(joined("C:\\\x95\\", "x"), "C:\\\x95\\\\x");
    EXPECT_EQ(joined("C:\\\x95\\\\", "x"), "C:\\\x95\\\\x");
    EXPECT_EQ(joined("/data", "\x95\\\\x"), "/data/\x95\\/x");
}

TEST(AddPath, RefusesAResultThatDoesNotFitThePathBuffer) {
    tk73test::TempEnvironment environment;
    const std::string folder = "/" + std::string(250, 'f');
    EXPECT_EQ(joined(folder, "1234567").size(), 259u);
    EXPECT_EQ(joined(folder, "12345678"), "refused: " + folder);
    char unterminated[TK73_MAX_PATH];
    std::memset(unterminated, 'a', sizeof unterminated);
    EXPECT_EQ(AecrbsAddPath(unterminated, "x"), 0);
}
