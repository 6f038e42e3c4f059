// Definition files come from installations and users' stores: damaged ones must read as empty
// or partial values, and writes must leave everything but the written keys as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "definitions/def_cf.h"
#include "definitions/def_crp_files.h"
#include "definitions/def_dtl_popup_menu.h"
#include "definitions/def_dtl_sr_files.h"
#include "definitions/def_field_inf.h"
#include "definitions/def_field_titles.h"
#include "definitions/def_file_convert.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_fields.h"
#include "definitions/def_file_import.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_model_function.h"
#include "definitions/def_pgm_file_ez.h"
#include "definitions/def_pgm_files.h"
#include "definitions/def_pgm_icon_title.h"
#include "definitions/def_tcpip.h"
#include "definitions/model_info.h"
#include "definitions/tests/definition_environment.h"
#include "platform/api.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

// Every read of every section class; returns how many list entries and fields were found.
int readEverything(const std::string& file) {
    const char* path = file.c_str();
    int found = 0;
    const CTK73defFILEINF files(path);
    found += files.GetDataFilesValueCount() + files.GetPgmIconsValueCount() +
             files.GetSpecialFilesValueCount() + files.GetBmpFilesValueCount() +
             files.GetLogoFilesValueCount() + files.GetSoundFilesValueCount();
    Record_Information layout;
    FIELD_INFO fields[16];
    const CTK73defFILExxxx view(path);
    for (int fileNo = 1; fileNo <= 3; ++fileNo) {
        // A broken layout fails part way; the test counts the fields read before.
        (void)files.GetFileDef(fileNo, &layout);
        found += static_cast<int>(layout.fields.size());
        found += view.GetPGMFileField(fileNo, fields, 16, 0);
    }
    const CTK73defFIELDINF kinds(path);
    found += kinds.GetQtyFieldsValueCount() + kinds.GetCharFieldsValueCount();
    char text[CTK73defCF::kMaxFolder + 1];
    int number = 0;
    const CTK73defPGMFILES titles(path);
    for (int i = 0; i < titles.GetValueCount(); ++i) {
        found += titles.GetValueFromIndex(i, &number, text);
    }
    found += CTK73defFIELDTITLES(path).GetValueCount() + CTK73defPGMICONTITLE(path).GetValueCount();
    found += CTK73defPGMFILE_EZ(path).GetValueCount();
    const CTK73defCF card(path);
    found += card.GetPath_FOLDER_X(text) + card.GetButtonState();
    found +=
        CTK73defCRPFILES(path).GetValueCount() + CTK73defFILE_CONVERT(path).GetFileValueCount();
    found += CTK73defFILE_EXPORT(path).GetExportPath(text);
    found += CTK73defFILE_IMPORT(path).GetBaseFieldValueCount();
    found += CTK73defMODELFUNCTION(path).IsTouchKeyModel();
    found += CTK73defTK73DTL_POPUPMENU(path).GetValueCount();
    found += CTK73defTK73DTL_SRFILES(path).GetSendFilesValueCount();
    return found;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) {
        out.push_back(text.substr(start));
    }
    return out;
}

std::string keyOf(const std::string& line) {
    std::string key = line.substr(0, line.find('='));
    key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
    std::transform(key.begin(), key.end(), key.begin(), ::toupper);
    return key;
}

}  // namespace

TEST(DefinitionRobustness, FileWithoutSectionsReadsEmpty) {
    DefinitionEnvironment env;
    const std::string file =
        env.writeFile("X.INI", crlf("DATAFILES=1,2\nPGMICONS=3\nF01N=1,P\nF01L=2\n"));
    EXPECT_EQ(readEverything(file), 1);  // only the missing button state, which reads as on
}

TEST(DefinitionRobustness, BinaryGarbageReadsWithoutHarm) {
    DefinitionEnvironment env;
    std::mt19937 random(73);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random() % 256);
        }
        // Some structure among the noise, so the reader gets past the first line.
        bytes.insert(100, "\r\n[FILE_INF]\r\nPGMICONS=");
        bytes.insert(3000, "\n[FILE0001]\nALL_FIELD_NUM=900\nF01N=");
        const std::string file = env.writeFile("GARBAGE.INI", bytes);
        readEverything(file);
        EXPECT_EQ(CTK73defCF(file.c_str()).SetButtonState(0), 1);
        EXPECT_EQ(CTK73defCF(file.c_str()).GetButtonState(), 0);
    }
}

TEST(DefinitionRobustness, LinesWithoutEqualsAreNotKeys) {
    DefinitionEnvironment env;
    const std::string file = env.writeFile(
        "X.INI", crlf("[FILE_INF]\nDATAFILES\njust words\nPGMICONS=1,2\n[PGMFILES]\n001\n002=B\n"));
    const CTK73defFILEINF files(file.c_str());
    EXPECT_EQ(files.GetDataFilesValueCount(), 0);
    EXPECT_EQ(files.GetPgmIconsValueCount(), 2);
    char title[257];
    const CTK73defPGMFILES titles(file.c_str());
    EXPECT_EQ(titles.GetValueFromFileNo(2, title), 1);
    EXPECT_STREQ(title, "B");
    EXPECT_EQ(titles.GetValueFromFileNo(1, title), 0);
}

TEST(DefinitionRobustness, HundredKilobyteLinesAreCutAtTheReadLimits) {
    DefinitionEnvironment env;
    std::string longList;
    while (longList.size() < 100 * 1024) {
        longList += "1,";
    }
    const std::string file = env.writeFile(
        "X.INI", crlf("[FILE_INF]\nPGMICONS=" + longList + "\n[FIELD_TITLES]\n001=" +
                      std::string(100 * 1024, 'T') + "\n[" + std::string(100 * 1024, 'S') +
                      "]\nA=1\n[CF]\nFOLDER_X=" + std::string(100 * 1024, 'x') + "\n"));
    const CTK73defFILEINF files(file.c_str());
    EXPECT_EQ(files.GetPgmIconsValueCount(), 512);  // 1023 characters: "1," 511 times, then "1"
    char title[257];
    EXPECT_EQ(CTK73defFIELDTITLES(file.c_str()).GetValueFromFieldNo(1, title), 1);
    EXPECT_EQ(std::string(title).size(), 256u);
    char folder[CTK73defCF::kMaxFolder + 1];
    EXPECT_EQ(CTK73defCF(file.c_str()).GetPath_FOLDER_X(folder), 1);
    EXPECT_EQ(std::string(folder).size(), CTK73defCF::kMaxFolder);
}

TEST(DefinitionRobustness, DamagedSettingsFileGivesWhatItCan) {
    DefinitionEnvironment env;
    env.writeSettings(crlf("[ECR_LIST]\nTOTALCOUNT=99999999999\n01=1,A\n02=2,B," +
                           std::string(100 * 1024, 'n') + "\n03\n04=4,D\n"));
    CMdlInfo info;
    EXPECT_EQ(info.InitECRInfo(), 2);
    Machine_Information model;
    ASSERT_EQ(info.GetECRInfo(1, &model), 1);
    EXPECT_EQ(model.indentName, "B");
    EXPECT_EQ(model.modelName.size(), 2047u - 4);

    env.writeSettings(crlf("[ECR_LIST]\nTOTALCOUNT=-3\n01=1,A\n"));
    EXPECT_EQ(info.InitECRInfo(), 0);
}

TEST(DefinitionRobustness, WritesChangeOnlyTheWrittenKeys) {
    DefinitionEnvironment env;
    const std::string original = crlf(
        "; shipped definition\n[SYSTEM]\nINIFILEVER = 4\n\n[CF]\n  FOLDER_X = /old\n"
        "BtnState=ON\nALLDATA=ON ; trailing words\n; comment between\n[FILE_EXPORT]\n"
        "FILES=1, 2,3\n[FILE0001]\nF01N=1,P\nF01L=2\nF01M=9\n[PGMFILES]\n001=\"A\"\n");
    const std::string file = env.writeFile("X.INI", original);
    const CTK73defCF card(file.c_str());
    ASSERT_EQ(card.SetPath_FOLDER_X("/new"), 1);
    ASSERT_EQ(card.SetButtonState(0), 1);
    ASSERT_EQ(CTK73defFILE_EXPORT(file.c_str()).SetExportPath("/exports"), 1);
    ASSERT_EQ(CTK73defTCPIP(file.c_str()).SetValue(3, "10.1.1.3"), 1);
    FIELD_INFO fields[1];
    const CTK73defFILExxxx view(file.c_str());
    ASSERT_EQ(view.GetPGMFileField(1, fields, 1, 0), 1);
    ASSERT_EQ(view.SetPGMFileField(1, fields, 1, 0), 1);  // F01M and F01E

    const std::set<std::string> written{"FOLDER_X", "BTNSTATE", "INIPATH", "ECR03", "F01M", "F01E"};
    auto unwritten = [&](const std::string& text) {
        std::vector<std::string> kept;
        for (const std::string& line : lines(text)) {
            if (!written.count(keyOf(line)) && line != "[TCP/IP]") {
                kept.push_back(line);
            }
        }
        return kept;
    };
    const std::string rewritten = env.read(file);
    EXPECT_EQ(unwritten(rewritten), unwritten(original));
    const auto after = lines(rewritten);
    EXPECT_EQ(std::count_if(after.begin(), after.end(),
                            [&](const std::string& line) { return written.count(keyOf(line)); }),
              6);
    char text[CTK73defCF::kMaxFolder + 1];
    EXPECT_EQ(card.GetPath_FOLDER_X(text), 1);
    EXPECT_STREQ(text, "/new");
    EXPECT_EQ(card.GetButtonState(), 0);
}
