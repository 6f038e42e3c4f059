#include "platform/code_page.h"

#include <gtest/gtest.h>

#include "platform/registry_hive.h"
#include "tests/support/temp_environment.h"

namespace {

constexpr const char* kSystem = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";

void setCodePage(const char* name) {
    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, kSystem, "CodePage", name));
}

}  // namespace

TEST(CodePage, TheInstallationNamesItElseWindows1252) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::installationCodePage(), "WINDOWS-1252");
    setCodePage("SHIFT_JIS");
    EXPECT_EQ(tk73::installationCodePage(), "SHIFT_JIS");
    setCodePage("NO-SUCH-CODE-PAGE");
    EXPECT_EQ(tk73::installationCodePage(), "WINDOWS-1252");
    ASSERT_TRUE(tk73::registryWriteDword(tk73::Hive::Machine, kSystem, "CodePage", 932));
    EXPECT_EQ(tk73::installationCodePage(), "WINDOWS-1252");
}

TEST(CodePage, ConvertsBothWaysInTheInstallationsCodePage) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(tk73::toUtf8("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(tk73::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    setCodePage("SHIFT_JIS");
    // "表示" (display): the first character's trail byte is 0x5C.
    const std::string shiftJis = "\x95\x5C\x8E\xA6";
    const std::string utf8 = "\xE8\xA1\xA8\xE7\xA4\xBA";
    EXPECT_EQ(tk73::toUtf8(shiftJis), utf8);
    EXPECT_EQ(tk73::fromUtf8(utf8), shiftJis);
    setCodePage("WINDOWS-1256");
    EXPECT_EQ(tk73::toUtf8("\xC7"), "\xD8\xA7");  // alef
    EXPECT_EQ(tk73::toUtf8("\xC7", "WINDOWS-1252"), "\xC3\x87");
}

TEST(CodePage, BadBytesBecomeReplacementsAndTheRestIsKept) {
    tk73test::TempEnvironment environment;
    setCodePage("SHIFT_JIS");
    // A lead byte followed by a byte that is no trail byte, then a lead byte cut off at the end.
    EXPECT_EQ(tk73::toUtf8("a\x81\x20"
                           "b\x95"),
              "a\xEF\xBF\xBD b\xEF\xBF\xBD");
    // A character Shift JIS cannot hold (Arabic alef) and a damaged UTF-8 sequence.
    EXPECT_EQ(tk73::fromUtf8("x\xD8\xA7y\xE8\xA1z"), "x?y?z");
    EXPECT_EQ(tk73::fromUtf8(""), "");
    const std::string large(100000, 'A');
    EXPECT_EQ(tk73::toUtf8(large), large);
}
