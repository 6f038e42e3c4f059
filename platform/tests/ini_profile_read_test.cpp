// Reading single values: defaults, quotes, blanks, letter case, first occurrence and the lines
// that are not keys.

#include "platform/registry_hive.h"
#include "platform/tests/ini_profile_fixture.h"

using namespace std::string_literals;

TEST_F(IniProfileTest, CrLfAndLfLinesReadAlike) {
    write("[DOS]\r\nKEY=crlf\r\n[UNIX]\nKEY=lf\n[LAST]\r\nKEY=no line end");
    EXPECT_EQ(value("DOS", "KEY"), "crlf");
    EXPECT_EQ(value("UNIX", "KEY"), "lf");
    EXPECT_EQ(value("LAST", "KEY"), "no line end");
}

// As on Windows, the default of a missing key loses its trailing spaces (not tabs, and not the
// first character) and one pair of quotes.
TEST_F(IniProfileTest, DefaultLosesTrailingSpacesAndOnePairOfQuotes) {
    write("[S]\r\nK=v\r\n");
    const Read missing = get("S", "OTHER", "  dflt \t ");
    EXPECT_EQ(missing.bytes, "  dflt \t\0"s);
    EXPECT_EQ(missing.result, 8u);
    EXPECT_EQ(get("S", "OTHER", "   ").bytes, " \0"s);
    EXPECT_EQ(get("S", "OTHER", "\"quoted\"  ").bytes, "quoted\0"s);
    const Read nullDefault = get("S", "OTHER", nullptr);
    EXPECT_EQ(nullDefault.bytes, "\0"s);
    EXPECT_EQ(nullDefault.result, 0u);
    EXPECT_EQ(value("NOSECTION", "K"), "<none>");
}

TEST_F(IniProfileTest, MissingFileReadsAsEmpty) {
    EXPECT_EQ(value("S", "K"), "<none>");
    EXPECT_EQ(list(nullptr).bytes, "\0"s);
    EXPECT_EQ(list(nullptr).result, 0u);
    EXPECT_EQ(tk73_GetPrivateProfileIntA("S", "K", -7, path()), static_cast<unsigned>(-7));
}

TEST_F(IniProfileTest, OneMatchingPairOfQuotesComesOff) {
    write(
        "[Q]\r\n"
        "DOUBLE=\"text\"\r\n"
        "SINGLE='text'\r\n"
        "OPEN=\"text\r\n"
        "MIXED=\"text'\r\n"
        "LONE=\"\r\n"
        "EMPTY=\"\"\r\n"
        "INNER=\"a\"b\"\r\n"
        "BLANKS =  \" padded \"  \r\n"
        "TWICE=\"\"x\"\"\r\n");
    EXPECT_EQ(value("Q", "DOUBLE"), "text");
    EXPECT_EQ(value("Q", "SINGLE"), "text");
    EXPECT_EQ(value("Q", "OPEN"), "\"text");
    EXPECT_EQ(value("Q", "MIXED"), "\"text'");
    EXPECT_EQ(value("Q", "LONE"), "\"");
    EXPECT_EQ(value("Q", "EMPTY"), "");
    EXPECT_EQ(value("Q", "INNER"), "a\"b");
    EXPECT_EQ(value("Q", "BLANKS"), " padded ");
    EXPECT_EQ(value("Q", "TWICE"), "\"x\"");
}

TEST_F(IniProfileTest, BlanksAroundNamesAndValuesAreIgnored) {
    write("  [ Blank Section ]  \r\n\t KEY NAME \t=  value  with  inner  blanks \t \r\nE=\r\n");
    EXPECT_EQ(value("Blank Section", "KEY NAME"), "value  with  inner  blanks");
    EXPECT_EQ(value(" Blank Section ", "\tKEY NAME "), "value  with  inner  blanks");
    EXPECT_EQ(value("Blank Section", "E"), "");
}

TEST_F(IniProfileTest, LetterCaseOfNamesIsIgnoredForAsciiLettersOnly) {
    write("[File_Inf]\r\nAll_Field_Num=12\r\n[\xC4]\r\nK=upper\r\n");
    EXPECT_EQ(value("FILE_INF", "ALL_FIELD_NUM"), "12");
    EXPECT_EQ(value("file_inf", "all_field_num"), "12");
    EXPECT_EQ(value("\xC4", "k"), "upper");
    EXPECT_EQ(value("\xE4", "K"), "<none>");
}

TEST_F(IniProfileTest, FirstKeyAndFirstSectionWin) {
    write("[A]\r\nK=first\r\nK=second\r\n[B]\r\nK=b\r\n[a]\r\nK=third\r\nONLY=later\r\n");
    EXPECT_EQ(value("A", "K"), "first");
    EXPECT_EQ(value("A", "ONLY"), "<none>");
    EXPECT_EQ(value("B", "K"), "b");
}

// A line starting with ";" is a comment: the lists leave it out, but a read of its name finds
// it, as on Windows. A line without "=" is a name without value: a read gives the default.
TEST_F(IniProfileTest, CommentsAndNamesWithoutValueStayOutOfTheLists) {
    write(
        "[S]\r\n"
        ";K=comment\r\n"
        "  ; C=indented comment\r\n"
        "PLAIN\r\n"
        "[NOT A HEADER\r\n"
        "K=real\r\n");
    EXPECT_EQ(value("S", "K"), "real");
    EXPECT_EQ(value("S", ";K"), "comment");
    EXPECT_EQ(value("S", "C"), "<none>");
    EXPECT_EQ(value("S", "PLAIN"), "<none>");
    EXPECT_EQ(value("S", "[NOT A HEADER"), "<none>");
    EXPECT_EQ(list("S").bytes, "K\0\0"s);
    char lines[64];
    const std::string expected = "PLAIN\0[NOT A HEADER\0K=real\0\0"s;
    EXPECT_EQ(tk73_GetPrivateProfileSectionA("S", lines, sizeof lines, path()),
              expected.size() - 1);
    EXPECT_EQ(std::string(lines, expected.size()), expected);
}

// "=value" is a key whose name is empty: a read of key "" answers it. Windows drops such a line
// right after another one, and answers a key list that would begin with the empty name with the
// default.
TEST_F(IniProfileTest, LineWithAnEmptyNameIsTheKeyWithoutName) {
    write(
        "[S]\r\nA=1\r\n  =  nameless "
        "\r\n=second\r\nB=2\r\n[ONLY]\r\n=\"quoted\"\r\n[T]\r\nX=1\r\n");
    EXPECT_EQ(value("S", ""), "nameless");
    EXPECT_EQ(value("S", "  "), "nameless");
    EXPECT_EQ(value("S", "B"), "2");
    EXPECT_EQ(value("ONLY", ""), "quoted");
    EXPECT_EQ(value("T", ""), "<none>");
    char keys[16];
    EXPECT_EQ(tk73_GetPrivateProfileStringA("S", nullptr, "", keys, sizeof keys, path()), 5u);
    EXPECT_EQ(std::string(keys, 6), "A\0\0B\0\0"s);
    EXPECT_EQ(get("ONLY", nullptr, "dflt").bytes, "dflt\0"s);
    ASSERT_EQ(set("T", " ", "written"), 1);
    EXPECT_EQ(value("T", ""), "written");
}

// A file that begins with a UTF-8 byte order mark, as editors of Windows save a hand-edited
// definition file, holds UTF-8 text: reads give it in the installation's code page (a sequence
// that is no UTF-8 as "?"), and writes put UTF-8 in.
TEST_F(IniProfileTest, FileWithByteOrderMarkIsUtf8InTheCodePage) {
    const std::string mark = "\xEF\xBB\xBF";
    const std::string original =
        mark +
        "[SYSTEM]\r\nINIFILEVER=5\r\nNAME=\xC3\xA9t\xC3\xA9\r\n\xC3\xA4=\xC3\r\n[B]\r\nK=1\r\n";
    write(original);
    EXPECT_EQ(tk73_GetPrivateProfileIntA("SYSTEM", "INIFILEVER", 0, path()), 5u);
    EXPECT_EQ(value("SYSTEM", "NAME"), "\xE9t\xE9");
    EXPECT_EQ(value("SYSTEM", "\xE4"), "?");
    EXPECT_EQ(list(nullptr).bytes, "SYSTEM\0B\0\0"s);
    EXPECT_EQ(list("SYSTEM").bytes, "INIFILEVER\0NAME\0\xE4\0\0"s);
    ASSERT_EQ(set("B", "\xFC", "\xE9"), 1);
    EXPECT_EQ(contents(), original + "\xC3\xBC=\xC3\xA9\r\n");

    ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                          "CodePage", "SHIFT_JIS"));
    write(mark + "[S]\r\nK=\xE3\x83\x86\r\n");
    EXPECT_EQ(value("S", "K"), "\x83\x65");
}

TEST_F(IniProfileTest, CutValuesGiveSizeMinusOne) {
    write("[S]\r\nK=abcdef\r\nQ=\"abcdef\"\r\n");
    EXPECT_EQ(get("S", "K", "", 7).result, 6u);
    EXPECT_EQ(get("S", "K", "", 7).bytes, "abcdef\0"s);
    EXPECT_EQ(get("S", "K", "", 4).result, 3u);
    EXPECT_EQ(get("S", "K", "", 4).bytes, "abc\0"s);
    EXPECT_EQ(get("S", "Q", "", 4).bytes, "abc\0"s);
    EXPECT_EQ(get("S", "MISSING", "default", 4).bytes, "def\0"s);
    EXPECT_EQ(get("S", "K", "", 1).result, 0u);
    EXPECT_EQ(get("S", "K", "", 1).bytes, "\0"s);
    char untouched = '#';
    EXPECT_EQ(tk73_GetPrivateProfileStringA("S", "K", "", &untouched, 0, path()), 0u);
    EXPECT_EQ(untouched, '#');
}

TEST_F(IniProfileTest, IntegersReadTheLeadingNumber) {
    write(
        "[N]\r\n"
        "PLAIN=42\r\n"
        "TRAILING=55zz\r\n"
        "NEGATIVE=-5\r\n"
        "PLUS=+7\r\n"
        "HEX=0x1F\r\n"
        "QUOTED=\"12\"\r\n"
        "WORD=abc\r\n"
        "EMPTY=\r\n"
        "WRAPS=4294967297\r\n");
    const auto number = [&](const char* key) {
        return tk73_GetPrivateProfileIntA("N", key, 99, path());
    };
    EXPECT_EQ(number("PLAIN"), 42u);
    EXPECT_EQ(number("TRAILING"), 55u);
    EXPECT_EQ(static_cast<int>(number("NEGATIVE")), -5);
    EXPECT_EQ(number("PLUS"), 7u);
    EXPECT_EQ(number("HEX"), 31u);
    EXPECT_EQ(number("QUOTED"), 12u);
    EXPECT_EQ(number("WORD"), 0u);
    EXPECT_EQ(number("EMPTY"), 99u);
    EXPECT_EQ(number("MISSING"), 99u);
    EXPECT_EQ(number("WRAPS"), 1u);

    // A null name reads the number the first name of the list starts with, as on Windows.
    write("[12]\r\n34=5\r\n");
    EXPECT_EQ(tk73_GetPrivateProfileIntA(nullptr, "K", 99, path()), 12u);
    EXPECT_EQ(tk73_GetPrivateProfileIntA("12", nullptr, 99, path()), 34u);
    EXPECT_EQ(tk73_GetPrivateProfileIntA("GONE", nullptr, 99, path()), 99u);
}
