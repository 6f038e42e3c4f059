#include "apps/shell/change_detection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_environment.h"

namespace tk73hub {
namespace {

namespace fs = std::filesystem;

class ChangeDetection : public testing::Test {
  protected:
    // A file written the given number of seconds before the reference time.
    void writeAged(const std::string& name, int secondsBefore) {
        const fs::path file = temp_.root() / "MAINTE" / name;
        tk73test::TempEnvironment::writeFile(file, "data");
        const auto when =
            std::chrono::file_clock::from_sys(reference_ - std::chrono::seconds(secondsBefore));
        fs::last_write_time(file, when);
    }
    bool changed() const { return HasProgramFileWrittenAfter(temp_.path("MAINTE"), reference_); }

    tk73test::TempEnvironment temp_;
    const LastTime reference_ = std::chrono::system_clock::now();
};

TEST_F(ChangeDetection, OnlyProgramTextFilesWrittenLaterCount) {
    writeAged("FILE004P.TXT", 60);
    writeAged("FILE002I.TXT", -60);  // the item file is not a program file
    writeAged("FILE005P.DAT", -60);
    writeAged("NOTES.TXT", -60);
    EXPECT_FALSE(changed());
    fs::create_directories(temp_.root() / "MAINTE" / "FILE900P.TXT");  // a folder is skipped
    EXPECT_FALSE(changed());
    writeAged("file006p.txt", -1);  // names match without regard to letter case
    EXPECT_TRUE(changed());
}

TEST_F(ChangeDetection, AWriteWithinTheSameSecondStillCounts) {
    writeAged("FILE004P.TXT", 0);
    EXPECT_FALSE(changed());
    const fs::path file = temp_.root() / "MAINTE" / "FILE004P.TXT";
    fs::last_write_time(
        file, std::chrono::file_clock::from_sys(reference_ + std::chrono::milliseconds(5)));
    EXPECT_TRUE(changed());
}

TEST_F(ChangeDetection, AMissingFolderHoldsNoChange) {
    EXPECT_FALSE(HasProgramFileWrittenAfter(temp_.path("nowhere"), reference_));
}

}  // namespace
}  // namespace tk73hub
