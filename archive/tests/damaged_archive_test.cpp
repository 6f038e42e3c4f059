// Archives that are cut short, changed, of another model or no archive at all: refused with
// the converter's message, and the program folder stays as it was.

#include <filesystem>

#include "archive/pack_archive.h"
#include "archive/testing/archive_fixture.h"
#include "tests/support/ended_process.h"

namespace archivetest {
namespace {

constexpr const char* kConvertFailed = "Failed to convert the program file.";

class DamagedArchive : public ArchiveTest {
  protected:
    void SetUp() override {
        store_ = makeStore(kKR301);
        // The tax reservation file: one record, a small archive.
        bin_ = install_.path("small.bin");
        CTK73packArchive archive(store_.definition.c_str(), store_.mainte.c_str(), 0);
        ASSERT_EQ(archive.PackBinFile(bin_.c_str(), "", 27), 1);
        good_ = read(bin_);
        std::string changed = read(store_.mainte + "/FILE027P.TXT");
        changed[changed.size() - 4] = changed[changed.size() - 4] == '1' ? '2' : '1';
        write(store_.mainte + "/FILE027P.TXT", changed);
        before_ = StagedInstallation::folderFiles(store_.mainte);
    }

    // Unpacks the bytes as file 27 and expects a refusal that changed nothing.
    void expectRefused(const std::string& bytes, const std::string& what) {
        write(bin_, bytes);
        CTK73packArchive archive(store_.definition.c_str(), store_.mainte.c_str(), 0);
        ASSERT_EQ(archive.UnPackBinFile(bin_.c_str(), 27), 0) << what;
        ASSERT_EQ(StagedInstallation::folderFiles(store_.mainte), before_) << what;
        ++refusals_;
    }

    Store store_;
    std::string bin_;
    std::string good_;
    std::map<std::string, std::string> before_;
    size_t refusals_ = 0;
};

TEST_F(DamagedArchive, EveryCutLengthIsRefused) {
    for (size_t length = 0; length < good_.size(); ++length) {
        expectRefused(good_.substr(0, length), "cut at " + std::to_string(length));
    }
    EXPECT_EQ(messages(), std::vector<std::string>(refusals_, kConvertFailed));
}

TEST_F(DamagedArchive, FlippedBytesOtherModelsAndForeignFilesAreRefused) {
    for (size_t at = 0; at < good_.size(); at += 3) {
        std::string flipped = good_;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x01);
        expectRefused(flipped, "byte " + std::to_string(at));
    }
    expectRefused(std::string(2000, '\0'), "zeros");
    expectRefused("\"C\",\"n:P0027:\"\r\n", "a text file");

    const Store other = makeStore(kKR420);
    const std::string otherBin = install_.path("other.bin");
    CTK73packArchive archive(other.definition.c_str(), other.mainte.c_str(), 0);
    ASSERT_EQ(archive.PackBinFile(otherBin.c_str(), "", 27), 1);
    expectRefused(read(otherBin), "another model's archive");
    EXPECT_EQ(messages(), std::vector<std::string>(refusals_, kConvertFailed));

    // The good file itself opens, and clears the staging folder an unpack killed on the way
    // left; that of an unpack still at work stays.
    const std::string killed =
        store_.mainte + "/$Unpack_" + std::to_string(tk73test::endedProcessId()) + "-0$";
    const std::string working = store_.mainte + "/$Unpack_1-0$";
    for (const std::string& staging : {killed, working}) {
        std::filesystem::create_directory(staging);
        write(staging + "/FILE027P.TXT", good_);
    }
    write(bin_, good_);
    CTK73packArchive reader(store_.definition.c_str(), store_.mainte.c_str(), 0);
    EXPECT_EQ(reader.UnPackBinFile(bin_.c_str(), 27), 1);
    EXPECT_FALSE(std::filesystem::exists(killed));
    EXPECT_TRUE(std::filesystem::exists(working + "/FILE027P.TXT"));
    std::filesystem::remove_all(working);
    EXPECT_NE(StagedInstallation::folderFiles(store_.mainte), before_);
}

TEST_F(DamagedArchive, MissingArchiveFailsWithoutAConversion) {
    CTK73packArchive archive(store_.definition.c_str(), store_.mainte.c_str(), 0);
    EXPECT_EQ(archive.UnPackCrpFile(install_.path("missing.092").c_str()), 0);
    uint8_t machineId = 7;
    EXPECT_EQ(archive.GetNextMacID(install_.path("missing.092").c_str(), &machineId), 0);
    EXPECT_EQ(machineId, 0);
    write(bin_, good_.substr(0, 379));
    EXPECT_EQ(archive.GetNextMacID(bin_.c_str(), &machineId), 0);
    EXPECT_EQ(machineId, 0);
    write(bin_, good_.substr(0, 380));
    EXPECT_EQ(archive.GetNextMacID(bin_.c_str(), &machineId), 1);
    EXPECT_EQ(machineId, 49);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(StagedInstallation::folderFiles(store_.mainte), before_);
}

}  // namespace
}  // namespace archivetest
