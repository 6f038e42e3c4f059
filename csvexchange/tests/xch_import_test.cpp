// The CSV import on the working store of a staged installation: a file exported from another
// store of the same model comes back byte for byte, "Basic only" changes only the base fields,
// refused files and failing packers bring the backup back, and cancels change nothing.

#include "csvexchange/xch_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/system_temp_folder.h"
#include "csvexchange/tests/xch_test_store.h"
#include "csvexchange/xch_archive_base.h"
#include "csvexchange/xch_export.h"
#include "definitions/def_file_import.h"
#include "platform/known_folders.h"

namespace {

using tk73::Button;
using tk73pgm::ImportRange;
using xchtest::readFile;
using xchtest::writeFile;
namespace fs = std::filesystem;

constexpr const char* kFailed = "Data read: Couldn't read selected file.";

// A packer that notes what it was asked and answers as told.
class NotingPacker : public CTK73xchArchiveBase {
  public:
    explicit NotingPacker(int answer) : answer_(answer) {}
    int PackBinFile(const char* outputFile, const char* packText, int packedFileNo) override {
        output = outputFile;
        outputExisted = fs::exists(outputFile);
        text = packText;
        fileNo = packedFileNo;
        return answer_;
    }

    std::string output;
    bool outputExisted = false;
    std::string text;
    int fileNo = 0;

  private:
    int answer_;
};

class XchImport : public ::testing::Test {
  protected:
    XchImport() { fs::create_directories(store_.path("csv")); }

    // A CSV file made from the store's PLU file with one name changed, as another store of the
    // same model exports it.
    std::string otherStoresPlu() {
        std::string bytes = store_.read(4);
        bytes.replace(bytes.find("Sourdough loaf  "), 16, "Brioche         ");
        bytes.replace(bytes.find("\"00000429\""), 10, "\"00000999\"");
        const std::string csv = store_.path("csv/FILE004P.CSV");
        writeFile(csv, bytes);
        return csv;
    }

    // Runs the import of the user's choice of file into the working store.
    int runImport(int fileNo, const std::string& csv, Button range = Button::Ok,
                  ImportRange which = ImportRange::AllData, CTK73xchArchiveBase* packer = nullptr) {
        store_.chooseFile(fileNo);
        store_.ui().choosePath(csv);
        store_.answerRange(range, which);
        CTK73xchImport import(-1, 0);
        import.SetArchiveBase(packer);
        return import.ImportExecute();
    }

    bool backupLeft() const { return fs::exists(store_.mainteFile(4) + ".BAK"); }

    xchtest::XchStore store_;
};

TEST_F(XchImport, AnExportOfAnotherStoreOfTheSameModelComesInByteForByte) {
    const int other = store_.createOtherStore();
    const std::string otherPlu = xchtest::XchStore::mainteFile(other, 4);
    std::string bytes = readFile(otherPlu);
    bytes.replace(bytes.find("Sourdough loaf  "), 16, "Brioche         ");
    writeFile(otherPlu, bytes);
    const std::string csv = store_.path("csv/OTHER.CSV");
    store_.ui().choosePath(csv);
    ASSERT_EQ(CTK73xchExport(4, otherPlu.c_str(), 0).ExportExecute(), 1);
    EXPECT_EQ(readFile(csv), bytes) << "an ordinary export is the program file";

    NotingPacker packer(1);
    EXPECT_NE(runImport(4, csv, Button::Ok, ImportRange::AllData, &packer), 0);
    EXPECT_EQ(store_.read(4), bytes);
    EXPECT_TRUE(store_.messages().empty());
    EXPECT_FALSE(backupLeft());
    // The packer made its binary file from the imported program file, in a temporary file of
    // the system that is gone again.
    EXPECT_EQ(packer.fileNo, 4);
    EXPECT_EQ(packer.text, "");
    EXPECT_TRUE(packer.outputExisted);
    EXPECT_EQ(packer.output.rfind(tk73::systemTempFolder() + "A55", 0), 0u) << packer.output;
    EXPECT_FALSE(fs::exists(packer.output));
    char folder[4096] = {};
    EXPECT_EQ(CTK73defFILE_IMPORT(store_.definitionFile().c_str()).GetImportPath(folder), 1);
    EXPECT_EQ(std::string(folder), store_.path("csv"));
}

TEST_F(XchImport, BasicOnlyChangesOnlyTheBaseFields) {
    std::string expected = store_.read(4);
    expected.replace(expected.find("Sourdough loaf  "), 16, "Brioche         ");
    EXPECT_NE(runImport(4, otherStoresPlu(), Button::Ok, ImportRange::BasicOnly), 0);
    EXPECT_EQ(store_.read(4), expected) << "the price (no base field) stays";
    EXPECT_FALSE(backupLeft());
}

TEST_F(XchImport, ARefusedFileOrAFailingPackerBringsTheBackupBack) {
    const std::string before = store_.read(4);
    // Every record line one character longer than the program file's.
    std::string longer = readFile(otherStoresPlu());
    for (size_t at = longer.find("\"\r\n000"); at != std::string::npos;
         at = longer.find("\"\r\n", at + 4)) {
        longer.insert(at, " ");
    }
    const std::string csv = store_.path("csv/LONGER.CSV");
    writeFile(csv, longer);
    EXPECT_EQ(runImport(4, csv), 0);
    EXPECT_EQ(store_.read(4), before);
    // The program file import names the first line out of shape, then the import fails.
    const std::string refusal = store_.messages().front();
    EXPECT_NE(refusal.find("LONGER.CSV was not read, line 4: field 13 (field number 42) has 5 "
                           "characters where the file's records have 4."),
              std::string::npos)
        << refusal;
    EXPECT_EQ(store_.messages(), (std::vector<std::string>{refusal, kFailed}));
    EXPECT_EQ(store_.ui().calls().back().icon, tk73::MessageIcon::Exclamation);
    EXPECT_FALSE(backupLeft());

    NotingPacker failing(0);
    EXPECT_EQ(runImport(4, otherStoresPlu(), Button::Ok, ImportRange::AllData, &failing), 0);
    EXPECT_EQ(failing.fileNo, 4);
    EXPECT_EQ(store_.read(4), before);
    EXPECT_EQ(store_.messages(), (std::vector<std::string>{refusal, kFailed, kFailed}));
    EXPECT_FALSE(backupLeft());
}

TEST_F(XchImport, ACancelAnywhereChangesNothingAndShowsNothing) {
    const std::string before = store_.read(4);
    const std::string csv = otherStoresPlu();

    store_.ui().handleDialog("SelectFile", [](tk73::DialogRequest&) { return Button::Cancel; });
    EXPECT_EQ(CTK73xchImport(-1, 0).ImportExecute(), 0);

    // A stored import folder that is gone: the picker starts in the documents folder.
    EXPECT_EQ(CTK73defFILE_IMPORT(store_.definitionFile().c_str())
                  .SetImportPath(store_.path("gone").c_str()),
              1);
    store_.chooseFile(4);
    store_.ui().choosePath(std::nullopt);
    EXPECT_EQ(CTK73xchImport(-1, 0).ImportExecute(), 0);
    EXPECT_EQ(store_.ui().calls().back().folder,
              tk73::knownFolderPath(tk73::KnownFolder::Documents));

    EXPECT_EQ(runImport(4, csv, Button::Cancel), 0);

    EXPECT_EQ(store_.read(4), before);
    EXPECT_TRUE(store_.messages().empty());
    EXPECT_FALSE(backupLeft());
    char folder[4096] = {};
    EXPECT_EQ(CTK73defFILE_IMPORT(store_.definitionFile().c_str()).GetImportPath(folder), 1);
    EXPECT_EQ(std::string(folder), store_.path("csv"))
        << "the folder of a chosen source is remembered even when the import is cancelled later";
}

}  // namespace
