// The document over a program file: where its records are, its title line, reading and writing
// field values in place, and saving, on real files in a private folder with the field table of
// the shipped register model KR301.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "apps/dataeditor/field_table.h"
#include "apps/dataeditor/program_document.h"
#include "apps/dataeditor/record_layout.h"
#include "apps/dataeditor/staged_read.h"
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

// A PLU file of the shipped layout large enough that its middle is read while the document is
// already open: the head of the shipped file, then records numbered 1 to count named after their
// number, then a line cut short.
std::string largePluFile(int count) {
    const std::string shipped = TempEnvironment::readFile(kDefaultPlu);
    const size_t first = shipped.find("\r\n000001,") + 2;
    const std::string record = shipped.substr(first, shipped.find("\r\n", first) + 2 - first);
    std::string bytes = shipped.substr(0, first);
    for (int n = 1; n <= count; ++n) {
        char number[16];
        char name[32];
        std::snprintf(number, sizeof(number), "%06d", n);
        std::snprintf(name, sizeof(name), "Loaf %-11d", n);
        std::string line = record;
        line.replace(0, 6, number);
        line.replace(line.find("Sourdough loaf  "), 16, name);
        bytes += line;
    }
    return bytes + "000000,\"0401";
}

TEST(ProgramDocumentTest, ALargeFileOpensBeforeItsMiddleIsReadAndSavesWhole) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string original = largePluFile(12000);
    ASSERT_GT(original.size(), 4 * StagedRead::kEdge);
    TempEnvironment::writeFile(file, original);
    ProgramDocument document;
    ASSERT_EQ(document.Open(file, "n:P0004:", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_EQ(document.RecordCount(), 12000);
    EXPECT_FALSE(document.Modified());
    for (const int row : {0, 1, 5999, 6000, 11998, 11999}) {
        char name[32];
        std::snprintf(name, sizeof(name), "Loaf %-11d", row + 1);
        EXPECT_EQ(document.Stored(row, 1), name) << row;
    }
    ASSERT_TRUE(document.Write(11999, 1, "Last"));
    ASSERT_TRUE(document.Write(6000, 1, "Middle"));
    ASSERT_TRUE(document.Save());
    std::string expected = original;
    expected.replace(expected.find("Loaf 6001 "), 16, "Middle          ");
    expected.replace(expected.find("Loaf 12000"), 16, "Last            ");
    EXPECT_EQ(TempEnvironment::readFile(file), expected);

    // Another title rewrites the whole image at once.
    ProgramDocument renamed;
    ASSERT_EQ(renamed.Open(file, "Items", pluFields()), ProgramDocument::OpenResult::Opened);
    EXPECT_EQ(renamed.Bytes(), "\"C\",\"Items\"\r\n" + expected.substr(expected.find("\r\n") + 2));
}

TEST(ProgramDocumentTest, AFileCutShortWhileItsMiddleIsReadIsNeverSavedFromAPartialImage) {
    TempEnvironment environment;
    const std::string file = environment.path("FILE004P.TXT");
    const std::string original = largePluFile(12000);
    const std::string cut = original.substr(0, original.size() / 3);
    // Whether the cut comes before the middle is read varies from turn to turn; either way the
    // document holds the whole file or refuses to write.
    for (int turn = 0; turn < 20; ++turn) {
        TempEnvironment::writeFile(file, original);
        ProgramDocument document;
        ASSERT_EQ(document.Open(file, "n:P0004:", pluFields()),
                  ProgramDocument::OpenResult::Opened);
        ASSERT_EQ(truncate(file.c_str(), static_cast<off_t>(cut.size())), 0);
        if (document.WhollyRead()) {
            EXPECT_EQ(document.Bytes(), original);
            continue;
        }
        EXPECT_EQ(document.Stored(6000, 1), std::string(16, ' '));
        EXPECT_EQ(document.Stored(11999, 1), "Loaf 12000      ");
        EXPECT_FALSE(document.Write(6000, 1, "Lost"));
        EXPECT_FALSE(document.Save());
        EXPECT_FALSE(document.SaveCopy(environment.path("copy.TXT")));
        EXPECT_EQ(TempEnvironment::readFile(file), cut);
    }
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
