#include "definitions/ctrl_cmn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "definitions/tests/definition_environment.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

TEST(CtrlCmnLists, DivideStringKeepsEveryPieceUntrimmed) {
    std::vector<std::string> out{"stale"};
    EXPECT_EQ(CCtrlCmn::DivideString("", ",", out), 1);
    EXPECT_EQ(out, std::vector<std::string>{""});
    CCtrlCmn::DivCSVString(" a,,\"b,c\",", out);
    EXPECT_EQ(out, (std::vector<std::string>{" a", "", "\"b", "c\"", ""}));
    CCtrlCmn::DivideString("1;2", ";", out);
    EXPECT_EQ(out, (std::vector<std::string>{"1", "2"}));
    CCtrlCmn::DivideString("1,2", nullptr, out);
    EXPECT_EQ(out, std::vector<std::string>{"1,2"});
}

TEST(CtrlCmnLists, NumberListsConvertAndCombineBack) {
    std::vector<uint32_t> dwords;
    CCtrlCmn::DivCSVDWord("-1,x,7", dwords);
    EXPECT_EQ(dwords, (std::vector<uint32_t>{0xFFFFFFFFu, 0, 7}));
    std::string text;
    CCtrlCmn::CmbCSVDWord(&dwords, text);
    EXPECT_EQ(text, "-1,0,7");

    std::vector<uint16_t> words;
    CCtrlCmn::DivCSVWord("65537,12", words);
    EXPECT_EQ(words, (std::vector<uint16_t>{1, 12}));
    CCtrlCmn::CmbCSVWord(&words, text);
    EXPECT_EQ(text, "1,12");
    words.clear();
    CCtrlCmn::CmbCSVWord(&words, text);
    EXPECT_EQ(text, "");

    EXPECT_EQ(CCtrlCmn::ChechValInArray(&dwords, 7ul), 1);
    EXPECT_EQ(CCtrlCmn::ChechValInArray(&dwords, 8ul), 0);
    EXPECT_EQ(CCtrlCmn::ChechValInArray(static_cast<std::vector<uint16_t>*>(nullptr),
                                        static_cast<unsigned short>(1)),
              0);

    text = "A";
    CCtrlCmn::CmbCSVAddVal(-5, text, 1);
    CCtrlCmn::CmbCSVAddStr("x y", text, 0);
    EXPECT_EQ(text, "A-5,x y");
}

TEST(CtrlCmnFolders, FolderOfAPathEndsBeforeTheLastSeparator) {
    std::string folder;
    CCtrlCmn::GetFolderFromFullPath("/data/S001/M001/X.INI", folder);
    EXPECT_EQ(folder, "/data/S001/M001");
    CCtrlCmn::GetFolderFromFullPath("C:\\TK73\\X.INI", folder);
    EXPECT_EQ(folder, "C:\\TK73");
    CCtrlCmn::GetFolderFromFullPath("X.INI", folder);
    EXPECT_EQ(folder, "");
    // The trail byte of a double-byte character is not a separator.
    CCtrlCmn::GetFolderFromFullPath("C:\\\x83\\\x83\\.INI", folder);
    EXPECT_EQ(folder, "C:");
}

TEST(CtrlCmnFolders, CreateAndCheckFolders) {
    DefinitionEnvironment env;
    const std::string deep = env.temp().path("a/b/c");
    EXPECT_EQ(CCtrlCmn::CheckExistDir(deep), 0);
    EXPECT_EQ(CCtrlCmn::CreateOneDir(deep), 1);
    EXPECT_EQ(CCtrlCmn::CheckExistDir(deep + "//"), 1);
    const std::string file = env.writeFile("a/file.txt", "x");
    EXPECT_EQ(CCtrlCmn::CheckExistDir(file), 0);
    EXPECT_EQ(CCtrlCmn::CreateOneDir(file + "/below"), 0);
}

TEST(CtrlCmnFolders, ExistingFileIsLookedForInTheWorkingFolder) {
    DefinitionEnvironment env;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(env.temp().root());
    env.writeFile("here.ini", "[A]\r\n");
    std::string folder;
    EXPECT_EQ(CCtrlCmn::GetExistFilePath("here.ini", folder), 1);
    EXPECT_EQ(std::filesystem::path(folder), std::filesystem::current_path());
    EXPECT_EQ(CCtrlCmn::GetExistFilePath("missing.ini", folder), 1);
    EXPECT_NE(std::filesystem::path(folder), std::filesystem::current_path());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::filesystem::current_path(previous);
}

TEST(CtrlCmnIni, ReadsValuesWithTheirLimits) {
    DefinitionEnvironment env;
    const std::string file =
        env.writeFile("t.ini", crlf("[S]\nTEXT=\" two blanks  \"\nEMPTY=\nNUM=42abc\nLONG=" +
                                    std::string(3000, 'x') + "\n"));
    std::string out = "stale";
    EXPECT_EQ(CCtrlCmn::GetIniFileString(file.c_str(), "s", "text", out), 1);
    EXPECT_EQ(out, " two blanks  ");
    EXPECT_EQ(CCtrlCmn::GetIniFileString(file.c_str(), "S", "EMPTY", out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(CCtrlCmn::GetIniFileString(file.c_str(), "S", "LONG", out), 1);
    EXPECT_EQ(out.size(), 2047u);
    int value = -1;
    EXPECT_EQ(CCtrlCmn::GetIniFileValue(file.c_str(), "S", "NUM", &value), 1);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(CCtrlCmn::GetIniFileValue(file.c_str(), "S", "NONE", &value), 0);
    EXPECT_EQ(value, 0);
}

TEST(CtrlCmnIni, WritesNumbersAndDeletesKeysOrSections) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("t.ini", crlf("[S]\nA=1\nB=2\n[T]\nC=3\n"));
    EXPECT_EQ(CCtrlCmn::SetIniFileValue(file.c_str(), "S", "A", -7), 1);
    EXPECT_EQ(CCtrlCmn::DelScrOrKeyIniFile(file.c_str(), "S", "B"), 1);
    EXPECT_EQ(CCtrlCmn::DelScrOrKeyIniFile(file.c_str(), "T", nullptr), 1);
    EXPECT_EQ(env.read(file), crlf("[S]\nA=-7\n"));
}

TEST(CtrlCmnIni, ValueWithALineBreakIsRefused) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("t.ini", crlf("[S]\nA=1\n"));
    const std::string before = env.read(file);
    EXPECT_EQ(CCtrlCmn::SetIniFileString(file.c_str(), "S", "A", "2\r\nINJECTED=1"), 0);
    EXPECT_EQ(CCtrlCmn::SetIniFileString(file.c_str(), "S", nullptr, "x"), 0);
    EXPECT_EQ(env.read(file), before);
}

TEST(CtrlCmnIni, LargeKeyListsAreReadInGrowingBuffers) {
    DefinitionEnvironment env;
    auto section = [](int keys) {
        std::string text = "[BIG]\r\n";
        char line[32];
        for (int n = 0; n < keys; ++n) {
            std::snprintf(line, sizeof line, "KEY%05d=%d\r\n", n, n);
            text += line;
        }
        return text + "[NEXT]\r\nZ=1\r\n";
    };
    // 3000 names of 9 bytes need 27000 bytes: beyond the first read, within the largest.
    const std::string whole = env.writeFile("whole.ini", section(3000));
    std::vector<std::string> keys;
    EXPECT_EQ(CCtrlCmn::GetIniFileKeyList(whole.c_str(), "BIG", keys), 3000);
    EXPECT_EQ(keys.front(), "KEY00000");
    EXPECT_EQ(keys.back(), "KEY02999");

    // 12000 names need 108000 bytes: the list ends with the last whole name that fitted.
    const std::string huge = env.writeFile("huge.ini", section(12000));
    const int count = CCtrlCmn::GetIniFileKeyList(huge.c_str(), "BIG", keys);
    EXPECT_GT(count, 11000);
    EXPECT_LT(count, 12000);
    EXPECT_TRUE(std::all_of(keys.begin(), keys.end(),
                            [](const std::string& key) { return key.size() == 8; }));

    // 11377 names of 9 bytes and "LAST\0" fill the largest buffer but its two last bytes: as
    // long as a cut list, yet whole, so its last name is kept.
    std::string text = section(11377);
    text.insert(text.find("[NEXT]"), "LAST=1\r\n");
    const std::string exact = env.writeFile("exact.ini", text);
    EXPECT_EQ(CCtrlCmn::GetIniFileKeyList(exact.c_str(), "BIG", keys), 11378);
    EXPECT_EQ(keys.back(), "LAST");
}
