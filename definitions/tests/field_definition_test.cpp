#include <gtest/gtest.h>

#include <string>

#include "definitions/ctrl_cmn.h"
#include "definitions/def_field_inf.h"
#include "definitions/def_file_fields.h"
#include "definitions/def_file_inf.h"
#include "definitions/tests/definition_environment.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

// File 1 is a program file of five fields (one without a program view mark), file 9 a data file.
const std::string kDefinition = crlf(
    "[FILE_INF]\nDATAFILES=9\nPGMICONS=1,3\n"
    "[FIELD_INF]\nQTYFIELDS=11,12\nCHARFIELDS=12,13\nPRICEFIELDS=14\nBITFIELDS=15,16\n"
    "PLUCODEFIELDS=16\nBARCODEFIELDS=17\n"
    "[FIELD_TITLES]\n011=\"Quantity\"\n013=\" Name \"\n"
    "[FILE0001]\nALL_FIELD_NUM=5\nPGM_FIELD_NUM=4\n"
    "F01N=11,P\nF01L=2\n"
    "F02N=13,X,P2\nF02L=16\nF02D=off\nF02E=OFF\nF02M=FF\n"
    "F03N=17\nF03L=1\n"
    "F04N=14,P\nF04L=3\nF04M=99\nF04E=ON\n"
    "F05N=15,P\nF05L=1\nF05D=ON\n"
    "[FILE0009]\nALL_FIELD_NUM=2\nF01N=13,P\nF01L=20\nF01M=99\nF02N=14,P\n"
    "[FILE0002]\nALL_FIELD_NUM=3\nF01N=11\nF01L=4\nF02N=13\nF02L=8\nF03N=14\n");

class FieldDefinitions : public ::testing::Test {
  protected:
    void SetUp() override { file_ = env_.writeFile("MODEL.INI", kDefinition); }

    std::string value(const char* section, const char* key) const {
        std::string out;
        // A key that is missing reads as empty, which the tests compare.
        (void)CCtrlCmn::GetIniFileString(file_.c_str(), section, key, out);
        return out;
    }

    DefinitionEnvironment env_;
    std::string file_;
};

}  // namespace

TEST_F(FieldDefinitions, FieldKindsTakeTheFirstListInOrder) {
    const CTK73defFIELDINF fields(file_.c_str());
    EXPECT_EQ(fields.GetFieldAttribute(11), FIELD_ATTR_QTY);
    EXPECT_EQ(fields.GetFieldAttribute(12), FIELD_ATTR_QTY);  // quantity before characters
    EXPECT_EQ(fields.GetFieldAttribute(13), FIELD_ATTR_CHAR);
    EXPECT_EQ(fields.GetFieldAttribute(14), FIELD_ATTR_PRICE);
    EXPECT_EQ(fields.GetFieldAttribute(15), FIELD_ATTR_BIT);
    EXPECT_EQ(fields.GetFieldAttribute(16), FIELD_ATTR_PLUCODE);  // item code before bit
    EXPECT_EQ(fields.GetFieldAttribute(17), FIELD_ATTR_PLAIN);    // bar codes get none
    EXPECT_EQ(fields.IsBarCodeField(17), 1);
    EXPECT_EQ(fields.IsCharField(11), 0);
    EXPECT_EQ(fields.GetBitFieldsValueCount(), 2);
    int out = -1;
    EXPECT_EQ(fields.GetBitFieldsValueFromIndex(1, &out), 1);
    EXPECT_EQ(out, 16);
    EXPECT_EQ(fields.GetBarCodeFieldsValueFromIndex(1, &out), 0);
    EXPECT_EQ(fields.GetQtyFieldsValueFromIndex(-1, &out), 0);
    EXPECT_EQ(out, 16);
}

TEST_F(FieldDefinitions, RecordLayoutAddsUpTheFieldSizes) {
    const CTK73defFILEINF files(file_.c_str());
    Record_Information info;
    ASSERT_EQ(files.GetFileDef(1, &info), 1);
    EXPECT_EQ(info.fileNo, 1u);
    EXPECT_EQ(info.fieldCount, 5u);
    ASSERT_EQ(info.fields.size(), 5u);
    EXPECT_EQ(info.recordLength, 2u + 16 + 1 + 3 + 1);
    EXPECT_EQ(info.fields[1].fieldNo, 13);
    EXPECT_EQ(info.fields[1].size, 16);
    EXPECT_EQ(info.fields[1].isChar, 1);
    EXPECT_EQ(info.fields[0].isChar, 0);
    EXPECT_EQ(files.CkFileCommConv(&info), 1);
}

TEST_F(FieldDefinitions, RecordLayoutFailsAtAFieldWithoutSize) {
    const CTK73defFILEINF files(file_.c_str());
    Record_Information info;
    info.recordCount = 99;
    EXPECT_EQ(files.GetFileDef(2, &info), 0);
    EXPECT_EQ(info.fileNo, 2u);
    EXPECT_EQ(info.recordCount, 0);
    ASSERT_EQ(info.fields.size(), 2u);
    EXPECT_EQ(info.fields[1].fieldNo, 13);
    EXPECT_EQ(files.GetFileDef(5, &info), 0);
    EXPECT_TRUE(info.fields.empty());
    EXPECT_EQ(files.CkFileCommConv(&info), 0);
    EXPECT_EQ(files.GetFileDef(1, nullptr), 0);
}

TEST_F(FieldDefinitions, ProgramViewInModeZeroShowsHiddenFieldsUnflagged) {
    const CTK73defFILExxxx view(file_.c_str());
    EXPECT_EQ(view.GetPGMFieldCnt(1), 4);
    EXPECT_EQ(view.GetPGMFieldCnt(3), 0);
    FIELD_INFO fields[8];
    ASSERT_EQ(view.GetPGMFileField(1, fields, 8, 0), 4);

    EXPECT_EQ(fields[0].index, 1);
    EXPECT_EQ(fields[0].fieldNo, 11);
    EXPECT_EQ(fields[0].attribute, FIELD_ATTR_QTY);
    EXPECT_EQ(fields[0].title, "Quantity");
    EXPECT_EQ(fields[0].displayLength, 4);
    EXPECT_EQ(fields[0].display, 1);
    EXPECT_EQ(fields[0].edit, 1);
    EXPECT_EQ(fields[0].mask, "FFFF");

    // A character field keeps its length; display and edit "OFF" in any letter case.
    EXPECT_EQ(fields[1].index, 2);
    EXPECT_EQ(fields[1].title, " Name ");
    EXPECT_EQ(fields[1].displayLength, 16);
    EXPECT_EQ(fields[1].display, 0);
    EXPECT_EQ(fields[1].edit, 0);
    EXPECT_EQ(fields[1].mask, std::string(16, 'F'));

    // Field 17 has no "P" mark; the 3-byte price shows 6 digits with its mask right-aligned.
    EXPECT_EQ(fields[2].index, 4);
    EXPECT_EQ(fields[2].displayLength, 6);
    EXPECT_EQ(fields[2].mask, "FFFF99");
    EXPECT_EQ(fields[2].title, "");
    EXPECT_EQ(fields[3].attribute, FIELD_ATTR_BIT);

    EXPECT_EQ(view.ChgBitInfoAttribute(1, fields, 4), 1);
    EXPECT_EQ(fields[3].attribute, FIELD_ATTR_PLAIN);
}

TEST_F(FieldDefinitions, ProgramViewInModeOneLeavesHiddenFieldsOut) {
    const CTK73defFILExxxx view(file_.c_str());
    FIELD_INFO fields[8];
    ASSERT_EQ(view.GetPGMFileField(1, fields, 8, 1), 3);
    EXPECT_EQ(fields[0].fieldNo, 11);
    EXPECT_EQ(fields[1].fieldNo, 14);
    EXPECT_EQ(fields[2].fieldNo, 15);
    for (const FIELD_INFO& field : fields) {
        EXPECT_EQ(field.display, 0);
    }
}

TEST_F(FieldDefinitions, KeysWithoutMarkCountTowardTheLimit) {
    const CTK73defFILExxxx view(file_.c_str());
    FIELD_INFO fields[3];
    fields[2].fieldNo = 999;
    // Keys 1 to 3: field 17 of key 3 has no mark, so two entries and the third is untouched.
    EXPECT_EQ(view.GetPGMFileField(1, fields, 3, 0), 2);
    EXPECT_EQ(fields[2].fieldNo, 999);
    EXPECT_EQ(view.GetPGMFileField(1, nullptr, 3, 0), 0);
    EXPECT_EQ(view.GetPGMFileField(1, fields, 0, 0), 0);
}

TEST_F(FieldDefinitions, DataFilesGetNoDisplayLengthOrPadding) {
    const CTK73defFILExxxx view(file_.c_str());
    FIELD_INFO fields[4];
    ASSERT_EQ(view.GetPGMFileField(9, fields, 4, 0), 2);
    EXPECT_EQ(fields[0].displayLength, 0);
    EXPECT_EQ(fields[0].mask, "99");
    EXPECT_EQ(fields[1].mask, "");
}

TEST_F(FieldDefinitions, MasksNeverPassTheirLimit) {
    const std::string file = env_.writeFile(
        "WIDE.INI", crlf("[FILE0001]\nF01N=1,P\nF01L=1000\nF02N=2,P\nF02L=-5\nF02M=9\n"
                         "F03N=3,P\nF03L=2147483647\nF03M=" +
                         std::string(400, '9') + "\n"));
    const CTK73defFILExxxx view(file.c_str());
    FIELD_INFO fields[3];
    ASSERT_EQ(view.GetPGMFileField(1, fields, 3, 0), 3);
    EXPECT_EQ(fields[0].displayLength, 2000);
    EXPECT_EQ(fields[0].mask, std::string(FIELD_INFO::kMaxText, 'F'));
    EXPECT_EQ(fields[1].displayLength, 0);
    EXPECT_EQ(fields[1].mask, "9");
    EXPECT_EQ(fields[2].displayLength, 2147483647);
    EXPECT_EQ(fields[2].mask, std::string(FIELD_INFO::kMaxText, '9'));
}

TEST_F(FieldDefinitions, WritingBackNormalisesMasksAndKeepsModeZeroDisplay) {
    const CTK73defFILExxxx view(file_.c_str());
    FIELD_INFO fields[8];
    ASSERT_EQ(view.GetPGMFileField(1, fields, 8, 0), 4);
    fields[0].mask = "9";
    fields[0].edit = 0;
    fields[0].display = 0;
    fields[2].mask = "FFFFFFFF12";  // longer than the field: kept whole
    EXPECT_EQ(view.SetPGMFileField(1, fields, 4, 0), 1);
    EXPECT_EQ(fields[0].mask, "FFF9");
    EXPECT_EQ(value("FILE0001", "F01M"), "FFF9");
    EXPECT_EQ(value("FILE0001", "F01E"), "OFF");
    EXPECT_EQ(value("FILE0001", "F01D"), "");  // mode 0 leaves display alone
    EXPECT_EQ(value("FILE0001", "F04M"), "FFFFFFFF12");
    EXPECT_EQ(value("FILE0001", "F04E"), "ON");

    fields[1].display = 1;
    EXPECT_EQ(view.SetPGMFileField(1, fields, 2, 1), 1);
    EXPECT_EQ(value("FILE0001", "F01D"), "OFF");
    EXPECT_EQ(value("FILE0001", "F02D"), "ON");
    EXPECT_EQ(view.SetPGMFileField(1, nullptr, 1, 1), 0);

    // An entry that was never read has no key to write to.
    FIELD_INFO blank;
    EXPECT_EQ(view.SetPGMFileField(1, &blank, 1, 1), 0);
    EXPECT_EQ(value("FILE0001", "F00E"), "");
}

TEST_F(FieldDefinitions, VekFormsReadTheVekStoreCopy) {
    env_.writeStore("VK10", 4, crlf("[FIELD_INF]\nCHARFIELDS=3\n"), 1);
    env_.writeStore("VK10", 4, crlf("[FIELD_INF]\nCHARFIELDS=7\n"), 0);
    EXPECT_EQ(CTK73defVekFIELDINF("VK10", 4).IsCharField(3), 1);
    EXPECT_EQ(CTK73defFIELDINF("VK10", 4).IsCharField(7), 1);
}

TEST_F(FieldDefinitions, CopiesOwnTheirLists) {
    CTK73defFILEINF original(file_.c_str());
    CTK73defFILEINF copy = original;
    EXPECT_EQ(copy.SetPgmIconsValue({4, 7}), 1);
    EXPECT_EQ(original.GetPgmIconsValueCount(), 2);
    EXPECT_EQ(original.IsViewFile(3), 1);
    EXPECT_EQ(copy.IsViewFile(3), 0);
    EXPECT_EQ(copy.IsViewFile(7), 1);
    EXPECT_EQ(value("FILE_INF", "PGMICONS"), "4,7");
    original = copy;
    EXPECT_EQ(original.IsViewFile(7), 1);
    int out = 0;
    EXPECT_EQ(original.GetPgmIconsValueFromIndex(1, &out), 1);
    EXPECT_EQ(out, 7);
    EXPECT_EQ(original.GetPgmIconsValueFromIndex(2, &out), 0);
    EXPECT_EQ(original.IsDataFile(9), 1);
}
