// The document over a program file: where its records are, its title line, reading and writing
// field values in place, and saving, on real files in a private folder with the field table of
// the shipped register model KR301.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "apps/dataeditor/field_table.h"
#include "apps/dataeditor/program_document.h"
#include "apps/dataeditor/record_layout.h"
#include "apps/dataeditor/title_line.h"
#include "tests/support/temp_environment.h"
#include "tk73_source_dir.h"

namespace tk73edit {
namespace {

using tk73test::TempEnvironment;

const std::string kModel = std::string(TK73_SOURCE_DIR) + "/install/register/KR301";
const std::string kDefaultPlu = kModel + "/DEFAULT/FILE004P.TXT";

std::vector<EditField> pluFields() {
    return loadFieldTable(kModel + "/KR301.INI", 0, 4);
}

std::optional<RecordLayout> layoutOf(const std::string& bytes) {
    return findRecordLayout(bytes.data(), bytes.size());
}

std::string numberedLines(int count, int digits, const std::string& rest) {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        char number[16];
        std::snprintf(number, sizeof(number), "%0*d", digits, n);
        bytes += number + rest + "\r\n";
    }
    return bytes;
}

TEST(RecordLayoutTest, FindsTheFirstRecordItsLengthAndTheWholeLines) {
    const auto six = layoutOf("\"H\",\"x\"\r\n" + numberedLines(3, 6, ",\"ab\""));
    ASSERT_TRUE(six);
    EXPECT_EQ(six->firstRecord, 9u);
    EXPECT_EQ(six->length, 11u);
    EXPECT_EQ(six->count, 3);

    // Four-digit numbers open like six-digit ones.
    const auto four = layoutOf(numberedLines(12, 4, ",\"ab\""));
    ASSERT_TRUE(four);
    EXPECT_EQ(four->firstRecord, 0u);
    EXPECT_EQ(four->count, 12);

    // A last line cut short is no whole line; one as long as a record line that does not carry
    // the next number is not a record either.
    const std::string five = numberedLines(5, 5, ",\"abcdef\"");
    EXPECT_EQ(layoutOf(five + "00006,\"abcdef\"\r\n")->count, 6);
    EXPECT_EQ(layoutOf(five + "00006,\"ab")->count, 5);
    EXPECT_EQ(layoutOf(five + "\"E\",\"end of file\"\r\n")->count, 5);

    EXPECT_FALSE(layoutOf("\"C\",\"no records\"\r\n\"H\",\"x\"\r\n"));
}

TEST(RecordLayoutTest, AHundredThousandLinesShow99999Records) {
    EXPECT_EQ(layoutOf(numberedLines(100000, 6, ",\"a\""))->count, kMaxRecords);
    EXPECT_EQ(layoutOf(numberedLines(100001, 6, ",\"a\""))->count, kMaxRecords);
    EXPECT_EQ(layoutOf(numberedLines(99999, 6, ",\"a\""))->count, 99999);
}

TEST(TitleLineTest, TheTitleComesFromTheFirstThreeLines) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    TempEnvironment::writeFile(file, "\"H\",\"1\"\r\nx,\"C\",\"PLU list\"\r\n000001,\"a\"\r\n");
    EXPECT_EQ(readFileTitle(file), "PLU list");
    TempEnvironment::writeFile(file, "1\r\n2\r\n3\r\n\"C\",\"late\"\r\n000001,\"a\"\r\n");
    EXPECT_EQ(readFileTitle(file), "");
    EXPECT_EQ(readFileTitle(kDefaultPlu), "n:P0004:");
}

TEST(ProgramDocumentTest, OpeningNormalisesTheTitleLineAndMarksRealChangesOnly) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string original = TempEnvironment::readFile(kDefaultPlu);
    const std::string body = original.substr(original.find("\r\n") + 2);
    TempEnvironment::writeFile(file, original);

    ProgramDocument same;
    ASSERT_EQ(same.Open(file, "n:P0004:", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_FALSE(same.Modified());
    EXPECT_EQ(same.Bytes(), original);
    // A save without edits writes the bytes that were read.
    ASSERT_TRUE(same.Save());
    EXPECT_EQ(TempEnvironment::readFile(file), original);

    ProgramDocument caseOnly;
    ASSERT_EQ(caseOnly.Open(file, "N:p0004:", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_FALSE(caseOnly.Modified());
    EXPECT_EQ(caseOnly.Bytes(), "\"C\",\"N:p0004:\"\r\n" + body);

    ProgramDocument renamed;
    ASSERT_EQ(renamed.Open(file, "Items", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_TRUE(renamed.Modified());
    EXPECT_EQ(renamed.Bytes(), "\"C\",\"Items\"\r\n" + body);
    EXPECT_EQ(renamed.Stored(0, 1), "Sourdough loaf  ");

    ProgramDocument removed;
    ASSERT_EQ(removed.Open(file, "", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_TRUE(removed.Modified());
    EXPECT_EQ(removed.Bytes(), body);

    // Without a title line one is inserted before everything else.
    TempEnvironment::writeFile(file, body);
    ProgramDocument inserted;
    ASSERT_EQ(inserted.Open(file, "n:P0004:", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_TRUE(inserted.Modified());
    EXPECT_EQ(inserted.Bytes(), original);
}

TEST(ProgramDocumentTest, WritesOnlyTheFieldValueAndLeavesAnIncompleteLastLine) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string tail = "000201,\"0401230";
    const std::string original = TempEnvironment::readFile(kDefaultPlu) + tail;
    TempEnvironment::writeFile(file, original);
    ProgramDocument document;
    ASSERT_EQ(document.Open(file, readFileTitle(file), pluFields()),
              ProgramDocument::OpenResult::Opened);
    const int last = document.RecordCount() - 1;
    ASSERT_EQ(document.Field(0).fieldNo, 30);
    ASSERT_EQ(document.Field(3).fieldNo, 33);  // the unit price

    const std::string oldName = document.Stored(last, 1);
    const std::string oldPrice = document.Stored(last, 3);
    ASSERT_TRUE(document.Write(last, 1, "Rye"));
    ASSERT_TRUE(document.Commit(last, 3, "275"));
    EXPECT_EQ(document.Stored(last, 1), "Rye             ");
    EXPECT_EQ(document.Stored(last, 3), "00000275");
    EXPECT_TRUE(document.Modified());
    ASSERT_TRUE(document.Save());

    std::string expected = original;
    const size_t nameAt = expected.rfind(oldName, expected.size() - tail.size());
    expected.replace(nameAt, oldName.size(), "Rye             ");
    const size_t priceAt = expected.find("\"" + oldPrice + "\"", nameAt) + 1;
    expected.replace(priceAt, oldPrice.size(), "00000275");
    EXPECT_EQ(TempEnvironment::readFile(file), expected);
    EXPECT_FALSE(document.Modified());
}

TEST(ProgramDocumentTest, AnItemMissingFromTheLineShowsBlanksAndIsNeverWritten) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string bytes = numberedLines(2, 6, ",\"0401\"");
    TempEnvironment::writeFile(file, bytes);
    ProgramDocument document;
    ASSERT_EQ(document.Open(file, "", pluFields()), ProgramDocument::OpenResult::Opened);
    // The item code's 14 digits do not fit the short item; it is a bar-code field.
    EXPECT_EQ(document.Shown(1, 0), std::string(14, 'E'));
    EXPECT_EQ(document.Shown(1, 1), std::string(16, ' '));
    EXPECT_FALSE(document.Write(1, 0, "12345678901234"));
    EXPECT_FALSE(document.Write(1, 1, "Bread"));
    EXPECT_EQ(document.Bytes(), bytes);

    EXPECT_EQ(ProgramDocument().Open(file, "", {}), ProgramDocument::OpenResult::NoEditField);
    TempEnvironment::writeFile(file, "\"H\",\"no records\"\r\n");
    EXPECT_EQ(ProgramDocument().Open(file, "", pluFields()),
              ProgramDocument::OpenResult::NoEditField);
    EXPECT_EQ(ProgramDocument().Open(environment.path("missing.TXT"), "", pluFields()),
              ProgramDocument::OpenResult::ReadFailed);
}

TEST(ProgramDocumentTest, NoticesAFileThatAnotherProgramChanged) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string original = TempEnvironment::readFile(kDefaultPlu);
    TempEnvironment::writeFile(file, original);
    ProgramDocument document;
    ASSERT_EQ(document.Open(file, "n:P0004:", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_TRUE(document.FileUnchanged());
    std::string changed = original;
    changed[changed.size() - 5] = '9';
    TempEnvironment::writeFile(file, changed);
    EXPECT_FALSE(document.FileUnchanged());
    // Written back as it was read, it is the same file again.
    TempEnvironment::writeFile(file, original);
    EXPECT_TRUE(document.FileUnchanged());
    ASSERT_TRUE(document.Write(0, 1, "Spelt"));
    ASSERT_TRUE(document.Save());
    EXPECT_TRUE(document.FileUnchanged());
    std::remove(file.c_str());
    EXPECT_FALSE(document.FileUnchanged());
}

TEST(FieldTableTest, ShowsTheProgramViewWithBitFieldsAsPlainNumbers) {
    const std::vector<EditField> fields = pluFields();
    ASSERT_EQ(fields.size(), 12u);
    EXPECT_EQ(fields[0].attribute, FIELD_ATTR_PLUCODE);
    EXPECT_TRUE(fields[0].barCode);
    EXPECT_EQ(fields[0].width, 14);
    EXPECT_EQ(fields[1].attribute, FIELD_ATTR_CHAR);
    EXPECT_EQ(fields[1].width, 16);
    EXPECT_EQ(fields[1].title, "PLU name");
    EXPECT_EQ(fields[2].fieldNo, 32);  // a bit field of the definitions
    EXPECT_EQ(fields[2].attribute, FIELD_ATTR_PLAIN);
    EXPECT_EQ(fields[2].width, 12);
    EXPECT_EQ(fields[3].attribute, FIELD_ATTR_PRICE);
    EXPECT_EQ(fields[11].attribute, FIELD_ATTR_QTY);
}

}  // namespace
}  // namespace tk73edit
