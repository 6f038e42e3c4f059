#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "definitions/ctrl_cmn.h"
#include "definitions/def_field_titles.h"
#include "definitions/def_pgm_file_ez.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_pgm_icon_title.h"
#include "definitions/tests/definition_environment.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

const std::string kTitles = crlf(
    "[PGMFILES]\n001=\"Department\"\n004=\" PLU \"\n12=Short key\n"
    "[PGMICONTITLE]\n004=\"Items\"\n"
    "[FIELD_TITLES]\n002=\"Price\"\n005=" +
    std::string(300, 'T') +
    "\n"
    "[PGMFILES_EZ]\nFILES=1,4\n");

}  // namespace

TEST(TitleSections, FileTitlesFollowTheKeyList) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("T.INI", kTitles);
    const CTK73defPGMFILES files(file.c_str());
    ASSERT_EQ(files.GetValueCount(), 3);
    int fileNo = 0;
    char title[257];
    EXPECT_EQ(files.GetValueFromIndex(1, &fileNo, title), 1);
    EXPECT_EQ(fileNo, 4);
    EXPECT_STREQ(title, " PLU ");
    // A key written without leading zeros is still read through the index.
    EXPECT_EQ(files.GetValueFromIndex(2, &fileNo, title), 1);
    EXPECT_EQ(fileNo, 12);
    EXPECT_STREQ(title, "Short key");
    EXPECT_EQ(files.GetValueFromFileNo(1, title), 1);
    EXPECT_STREQ(title, "Department");
    EXPECT_EQ(files.GetValueFromFileNo(2, title), 0);
    EXPECT_STREQ(title, "");

    fileNo = 55;
    strcpy(title, "kept");
    EXPECT_EQ(files.GetValueFromIndex(3, &fileNo), 0);
    EXPECT_EQ(files.GetValueFromIndex(-1, &fileNo, title), 0);
    EXPECT_EQ(fileNo, 55);
    EXPECT_STREQ(title, "kept");
}

TEST(TitleSections, TitlesAreWrittenInQuotes) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("T.INI", kTitles);
    CTK73defPGMFILES files(file.c_str());
    EXPECT_EQ(files.SetValue(7, "  Clerk "), 1);
    EXPECT_EQ(files.GetValueCount(), 4);
    EXPECT_NE(env.read(file).find("007=\"  Clerk \""), std::string::npos);
    char title[257];
    EXPECT_EQ(CTK73defPGMFILES(file.c_str()).GetValueFromFileNo(7, title), 1);
    EXPECT_STREQ(title, "  Clerk ");
    EXPECT_EQ(files.SetValue(1, "Dept\r\n002=Injected"), 0);
    EXPECT_EQ(CTK73defPGMFILES(file.c_str()).GetValueCount(), 4);
}

TEST(TitleSections, FieldAndIconTitles) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("T.INI", kTitles);
    CTK73defFIELDTITLES fields(file.c_str());
    EXPECT_EQ(fields.GetValueCount(), 2);
    EXPECT_EQ(fields.SearchValue(5), 1);
    EXPECT_EQ(fields.SearchValue(3), -1);
    char title[257];
    int fieldNo = 0;
    EXPECT_EQ(fields.GetValueFromIndex(1, &fieldNo, title), 1);
    EXPECT_EQ(fieldNo, 5);
    EXPECT_EQ(std::string(title), std::string(256, 'T'));
    EXPECT_EQ(fields.SetValueFromFieldNo(3, "Tax"), 1);
    EXPECT_EQ(fields.SearchValue(3), 2);
    EXPECT_EQ(fields.GetValueFromFieldNo(3, title), 1);
    EXPECT_STREQ(title, "Tax");

    CTK73defVekPGMICONTITLE icons(file.c_str());
    EXPECT_EQ(icons.GetValueCount(), 1);
    EXPECT_EQ(icons.SearchValue(4), 0);
    EXPECT_EQ(icons.GetValueFromFileNo(4, title), 1);
    EXPECT_STREQ(title, "Items");
    EXPECT_EQ(icons.SetValue(4, "Goods"), 1);
    EXPECT_EQ(icons.GetValueCount(), 1);
    EXPECT_EQ(icons.GetValueFromIndex(0, &fieldNo, title), 1);
    EXPECT_STREQ(title, "Goods");
}

TEST(TitleSections, KeyListIsReadFromItsFirst1024BytesWithOnlyACutLastKeyDropped) {
    DefinitionEnvironment env;
    std::string text = "[PGMFILES]\r\n";
    char line[32];
    for (int n = 1; n <= 300; ++n) {
        std::snprintf(line, sizeof line, "%03d=\"File %d\"\r\n", n, n);
        text += line;
    }
    const std::string file = env.writeFile("T.INI", text);
    const CTK73defPGMFILES files(file.c_str());
    // "001\0" ... 4 bytes a key: 255 whole keys fit in 1022 bytes; the cut one is dropped.
    EXPECT_EQ(files.GetValueCount(), 255);
    int fileNo = 0;
    EXPECT_EQ(files.GetValueFromIndex(254, &fileNo), 1);
    EXPECT_EQ(fileNo, 255);

    // Keys that fill the 1022 bytes exactly (254 of 4 bytes, then "00255\0") answer the same
    // size as a cut list, yet their last key is whole and kept.
    std::string exact = "[PGMFILES]\r\n";
    for (int n = 1; n <= 254; ++n) {
        std::snprintf(line, sizeof line, "%03d=\"File %d\"\r\n", n, n);
        exact += line;
    }
    const std::string exactFile = env.writeFile("EXACT.INI", exact + "00255=\"Last\"\r\n");
    const CTK73defPGMFILES exactFiles(exactFile.c_str());
    EXPECT_EQ(exactFiles.GetValueCount(), 255);
    EXPECT_EQ(exactFiles.GetValueFromIndex(254, &fileNo), 1);
    EXPECT_EQ(fileNo, 255);
}

TEST(TitleSections, EasyModeFiles) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile("T.INI", kTitles);
    const CTK73defPGMFILE_EZ easy(file.c_str());
    EXPECT_EQ(easy.GetValueCount(), 2);
    EXPECT_EQ(easy.IsEZFile(4), 1);
    EXPECT_EQ(easy.IsEZFile(2), 0);
    int fileNo = -3;
    EXPECT_EQ(easy.GetValueFromIndex(2, &fileNo), 0);
    EXPECT_EQ(fileNo, -3);
}
