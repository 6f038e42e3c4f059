// Importing a program file's data from another file: whole records, base fields from a file of
// the same layout or from one that holds only the base fields, data files, refused layouts,
// cancels, the backup around it, and the choice of the source among the stores.

#include "programfiles/pgm_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "programfiles/pgm_db_import.h"
#include "programfiles/pgm_import_range.h"
#include "programfiles/tests/shipped_store.h"

namespace {

using namespace mergetest;
using tk73::Button;
using tk73pgm::ImportRange;
using tk73pgm::ImportRangeRequest;

constexpr int kPlu = 4;
constexpr int kJournal = 90;  // a data file of every register model

// The PLU file's header block: title, header and file line.
constexpr size_t kHeaderBytes = 130;

std::string headerOf(const std::string& text) {
    return text.substr(0, kHeaderBytes);
}

// The first count record lines of a program file, after its header block.
std::string firstRecords(const std::string& text, int count) {
    size_t end = kHeaderBytes;
    for (int record = 0; record < count; ++record) {
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(kHeaderBytes, end - kHeaderBytes);
}

class PgmImport : public ::testing::Test {
  protected:
    PgmImport()
        : target_(install_.createStore(kKR301, 0)), source_(install_.createStore(kKR301, 0)) {}

    std::string targetFile(int fileNo) const { return install_.regFile(target_, fileNo); }
    std::string sourceFile(int fileNo) const { return install_.regFile(source_, fileNo); }

    // Answers the range dialog; notes whether "Basic only" was offered.
    void answerRange(Button button, ImportRange range = ImportRange::AllData) {
        ui_.handleDialog(std::string(ImportRangeRequest::kName),
                         [this, button, range](tk73::DialogRequest& request) {
                             auto& asked = dynamic_cast<ImportRangeRequest&>(request);
                             basicOffered_ = asked.basicOffered;
                             asked.range = range;
                             return button;
                         });
    }

    // Imports the source into the target, both of fileNo unless the source is given.
    int import(int fileNo, int dataFile, const std::string& source, int* detail = nullptr) {
        CTK73pgmImport importer(fileNo, dataFile, target_, "KR301", source.c_str(),
                                targetFile(fileNo).c_str(), 0);
        const int result = importer.ImportExecute();
        if (detail != nullptr) {
            *detail = importer.GetDetailResult();
        }
        return result;
    }

    ShippedInstallation install_;
    tk73test::ScriptedUserInteraction ui_;
    int target_;
    int source_;
    bool basicOffered_ = false;
};

TEST_F(PgmImport, AllDataTakesTheSourceRecordsAndKeepsTheTargetRecordCount) {
    install_.replaceInRecord(sourceFile(kPlu), 2, "Rye bread       ", "Spelt bread     ");
    const std::string source = ShippedInstallation::read(sourceFile(kPlu));

    answerRange(Button::Ok);
    int detail = -1;
    ASSERT_EQ(import(kPlu, 0, sourceFile(kPlu), &detail), 1);
    EXPECT_EQ(detail, PGM_IMPORT_DONE);
    EXPECT_TRUE(basicOffered_);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), source);

    // A target of ten records takes the source's first ten and stays at ten.
    std::string tenRecords = ShippedInstallation::read(targetFile(kPlu));
    tenRecords = headerOf(tenRecords) + firstRecords(tenRecords, 10);
    install_.replaceInRecord(sourceFile(kPlu), 3, "Baguette        ", "Ficelle         ");
    ShippedInstallation::write(targetFile(kPlu), tenRecords);
    answerRange(Button::Ok);
    ASSERT_EQ(import(kPlu, 0, sourceFile(kPlu)), 1);
    const std::string changedSource = ShippedInstallation::read(sourceFile(kPlu));
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)),
              headerOf(tenRecords) + firstRecords(changedSource, 10));
}

TEST_F(PgmImport, RefusedLayoutsAndCancelsLeaveTheTargetAsItWas) {
    const std::string before = ShippedInstallation::read(targetFile(kPlu));
    // Every record line of the source one character longer: the last value one blank wider.
    std::string longer = ShippedInstallation::read(sourceFile(kPlu));
    for (size_t at = longer.find("\"\r\n", kHeaderBytes); at != std::string::npos;
         at = longer.find("\"\r\n", at + 4)) {
        longer.insert(at, " ");
    }
    ShippedInstallation::write(sourceFile(kPlu), longer);
    answerRange(Button::Ok);
    int detail = -1;
    EXPECT_EQ(import(kPlu, 0, sourceFile(kPlu), &detail), 0);
    EXPECT_EQ(detail, PGM_IMPORT_LAYOUT_DIFFERS);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);

    answerRange(Button::Cancel);
    EXPECT_EQ(import(kPlu, 0, sourceFile(kPlu), &detail), 0);
    EXPECT_EQ(detail, PGM_IMPORT_CANCELLED);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);

    // A source that is no program file at all is refused before the question.
    ShippedInstallation::write(sourceFile(kPlu), "not a program file\r\n");
    EXPECT_EQ(import(kPlu, 0, sourceFile(kPlu), &detail), 0);
    EXPECT_EQ(detail, PGM_IMPORT_FAILED);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);
}

TEST_F(PgmImport, BasicOnlyCopiesTheBaseFieldsAndNothingElse) {
    // Record 3: code and name (base fields 30 and 31) and the price (field 33, no base field).
    install_.replaceInRecord(sourceFile(kPlu), 3, "\"04012300000211\",\"Baguette        \"",
                             "\"04012300009999\",\"Ficelle         \"");
    install_.replaceInRecord(sourceFile(kPlu), 3, "\"00000285\"", "\"00000999\"");
    std::string expected = ShippedInstallation::read(targetFile(kPlu));
    expected.replace(expected.find("\"04012300000211\",\"Baguette        \""), 35,
                     "\"04012300009999\",\"Ficelle         \"");

    answerRange(Button::Ok, ImportRange::BasicOnly);
    ASSERT_EQ(import(kPlu, 0, sourceFile(kPlu)), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), expected);

    // A source that holds only the base fields fills them in every record both files have.
    const std::string packed = headerOf(expected) +
                               "000001,\"04012300001111\",\"Loaf one        \"\r\n"
                               "000002,\"04012300002222\",\"Loaf two        \"\r\n";
    const std::string packedFile = install_.storeFolder(source_) + "/PACKED.CSV";
    ShippedInstallation::write(packedFile, packed);
    expected.replace(expected.find("\"04012300000075\",\"Sourdough loaf  \""), 35,
                     "\"04012300001111\",\"Loaf one        \"");
    expected.replace(expected.find("\"04012300000143\",\"Rye bread       \""), 35,
                     "\"04012300002222\",\"Loaf two        \"");
    answerRange(Button::Ok, ImportRange::BasicOnly);
    ASSERT_EQ(import(kPlu, 0, packedFile), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), expected);
}

TEST_F(PgmImport, ADataFileIsCopiedWholeWhateverTheRange) {
    const std::string journal = "\"C\",\"n:P0090:\"\r\n0001,\"anything at all\"\r\n";
    ShippedInstallation::write(sourceFile(kJournal), journal);
    answerRange(Button::Ok, ImportRange::BasicOnly);
    ASSERT_EQ(import(kJournal, 1, sourceFile(kJournal)), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kJournal)), journal);
}

TEST_F(PgmImport, AControllerFileWithoutBaseFieldsOffersOnlyAllData) {
    const int store = install_.createStore(kKR301, kVK500);
    const std::string source = install_.storeFolder(source_) + "/SERVERS.CSV";
    for (const auto& [fileNo, offered] : {std::pair{7, false}, std::pair{4, true}}) {
        const std::string target = install_.vekFile(store, fileNo);
        ShippedInstallation::write(source, ShippedInstallation::read(target));
        answerRange(Button::Cancel);
        CTK73pgmImport importer(fileNo, 0, store, "VK500", source.c_str(), target.c_str(), 1);
        EXPECT_EQ(importer.ImportExecute(), 0);
        EXPECT_EQ(basicOffered_, offered) << "file " << fileNo;
    }
}

TEST_F(PgmImport, TheBackupIsMadeRestoredAndDeleted) {
    const std::string before = ShippedInstallation::read(targetFile(kPlu));
    CTK73pgmImport importer(kPlu, 0, target_, "KR301", sourceFile(kPlu).c_str(),
                            targetFile(kPlu).c_str(), 0);
    ShippedInstallation::write(targetFile(kPlu) + ".BAK", "an older backup");
    ASSERT_EQ(importer.ImportCreateBkup(), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu) + ".BAK"), before);
    ShippedInstallation::write(targetFile(kPlu), "changed");
    ASSERT_EQ(importer.ImportRecoverBkup(), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);
    EXPECT_FALSE(std::filesystem::exists(targetFile(kPlu) + ".BAK"));

    ASSERT_EQ(importer.ImportCreateBkup(), 1);
    ASSERT_EQ(importer.ImportDeleteBkup(), 1);
    EXPECT_FALSE(std::filesystem::exists(targetFile(kPlu) + ".BAK"));
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);

    // A restore that cannot take place leaves the program file where it was.
    EXPECT_EQ(importer.ImportRecoverBkup(), 0);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);
}

// Every record line of the source is checked against the definition's layout before anything is
// written, and the refusal names the first bad line by its number in the file and the field:
// the header block is three lines, so record n is line n + 3.
TEST_F(PgmImport, ASourceWithALineOutOfShapeIsRefusedByLineAndField) {
    const std::string before = ShippedInstallation::read(targetFile(kPlu));
    const std::string good = ShippedInstallation::read(sourceFile(kPlu));
    struct Damage {
        int record;
        std::string from;
        std::string to;
        std::string message;
    };
    const std::string sixth = ShippedInstallation::recordLine(sourceFile(kPlu), 6);
    const std::vector<Damage> damages = {
        // Lines of 138 and 136 bytes among lines of 137: a name one longer, another one shorter.
        {5, "\",\"0", " \",\"0",
         "line 8: field 2 (field number 31) has 17 characters where the file's records have 16"},
        {2, "  \",\"0", "\",\"0",
         "line 5: field 2 (field number 31) has 14 characters where the file's records have 16"},
        {3, "\"00000285\"", "00000285",
         "line 6: field 4 (field number 33) is not enclosed in "
         "double quotes"},
        {4, "\"00000539\"", "\"0000053x\"",
         "line 7: field 4 (field number 33) holds \"0000053x\", which is not made of the digits "
         "0-9 and A-F"},
        {6, sixth, sixth + ",\"00\"",
         "line 9: the line has more than the 13 fields of the "
         "file's records"},
        {7, "000007,", "000077,", "line 10: record number 000007 does not begin it"},
    };
    // The refusal each import shows, and its detail result; the target stays as it was.
    const auto refusal = [&](int expectedDetail) {
        const size_t shown = ui_.textsOf(tk73test::InteractionKind::Message).size();
        answerRange(Button::Ok);
        int detail = -1;
        EXPECT_EQ(import(kPlu, 0, sourceFile(kPlu), &detail), 0);
        EXPECT_EQ(detail, expectedDetail);
        EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);
        const std::vector<std::string> all = ui_.textsOf(tk73test::InteractionKind::Message);
        return std::vector<std::string>(all.begin() + static_cast<long>(shown), all.end());
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.message);
        ShippedInstallation::write(sourceFile(kPlu), good);
        install_.replaceInRecord(sourceFile(kPlu), damage.record, damage.from, damage.to);
        EXPECT_EQ(refusal(PGM_IMPORT_FAILED),
                  std::vector<std::string>{"FILE004P.TXT was not read, " + damage.message + "."});
    }
    // A line ended by a line feed alone; a first line of another length, which the layout check
    // refuses with its own detail.
    std::string unixLines = good;
    unixLines.replace(unixLines.rfind("\r\n"), 2, "\n");
    ShippedInstallation::write(sourceFile(kPlu), unixLines);
    const std::vector<std::string> unix = refusal(PGM_IMPORT_FAILED);
    ASSERT_EQ(unix.size(), 1u);
    EXPECT_NE(unix[0].find(": the line does not end with CR LF."), std::string::npos) << unix[0];
    ShippedInstallation::write(sourceFile(kPlu), good);
    install_.replaceInRecord(sourceFile(kPlu), 1, "\",\"0", " \",\"0");
    EXPECT_EQ(refusal(PGM_IMPORT_LAYOUT_DIFFERS),
              std::vector<std::string>{"FILE004P.TXT was not read, line 4: field 2 (field number "
                                       "31) has 17 characters where the file's records have 16."});
}

// A source with fewer records than the target keeps the rest of the target's records, and the
// question says which; one with more says which are left out.
TEST_F(PgmImport, TheQuestionSaysWhichRecordsKeepTheirValues) {
    const std::string target = ShippedInstallation::read(targetFile(kPlu));
    install_.replaceInRecord(sourceFile(kPlu), 2, "Rye bread       ", "Spelt bread     ");
    const std::string source = ShippedInstallation::read(sourceFile(kPlu));
    const std::string tenRecords = headerOf(source) + firstRecords(source, 10);
    ShippedInstallation::write(sourceFile(kPlu), tenRecords);
    std::string note;
    const auto noteOfTheQuestion = [this, &note] {
        ui_.handleDialog(std::string(ImportRangeRequest::kName),
                         [&note](tk73::DialogRequest& request) {
                             note = dynamic_cast<ImportRangeRequest&>(request).recordNote;
                             return Button::Ok;
                         });
    };
    noteOfTheQuestion();
    ASSERT_EQ(import(kPlu, 0, sourceFile(kPlu)), 1);
    const int records = static_cast<int>(std::count(target.begin(), target.end(), '\n')) - 3;
    EXPECT_EQ(note, "Records 11 to " + std::to_string(records) + " keep their values.");
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)),
              tenRecords + target.substr(tenRecords.size()));

    ShippedInstallation::write(targetFile(kPlu), headerOf(target) + firstRecords(target, 4));
    noteOfTheQuestion();
    ASSERT_EQ(import(kPlu, 0, sourceFile(kPlu)), 1);
    EXPECT_EQ(note, "Records 5 to 10 of the file to read are left out.");
}

TEST_F(PgmImport, TheStoreImportTakesTheChosenStoresFile) {
    install_.replaceInRecord(sourceFile(kPlu), 1, "Sourdough loaf  ", "Brioche         ");
    const std::string before = ShippedInstallation::read(targetFile(kPlu));
    const std::string current = std::to_string(1000 + target_).substr(1);
    ASSERT_EQ(AecrbsSetDesktopRegister("000", current.c_str(), "999"), 1);

    ui_.handleDialog(std::string(tk73pgm::ImportStoreRequest::kName),
                     [](tk73::DialogRequest&) { return Button::Cancel; });
    EXPECT_EQ(CTK73pgmDbImport(kPlu, 0).ImportExecute(), 0);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)), before);

    ui_.handleDialog(std::string(tk73pgm::ImportStoreRequest::kName),
                     [this](tk73::DialogRequest& request) {
                         auto& store = dynamic_cast<tk73pgm::ImportStoreRequest&>(request);
                         return store.selection.accept(0, source_) ? Button::Ok : Button::Cancel;
                     });
    answerRange(Button::Ok);
    EXPECT_EQ(CTK73pgmDbImport(kPlu, 0).ImportExecute(), 1);
    EXPECT_EQ(ShippedInstallation::read(targetFile(kPlu)),
              ShippedInstallation::read(sourceFile(kPlu)));
}

}  // namespace
