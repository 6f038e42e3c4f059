// The parsed-file cache: a file changed moments ago cannot be trusted by its identity, so its
// bytes decide whether the parsed document still fits.

#include "platform/ini_cache.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/temp_environment.h"

namespace {

std::string machineType(const tk73::IniDocument& document) {
    const auto section = document.findSection("SYSTEM");
    const auto line = section ? document.findEntry(*section, "MACHINE_TYPE") : std::nullopt;
    return line ? std::string(document.value(document.lines()[*line])) : "<none>";
}

// Rewrites the file's bytes in place and gives it back its modification time, as a second
// change within one step of the file system's clock leaves it.
void changeWithinOneTimeStep(const std::string& path, const std::string& bytes) {
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    ASSERT_EQ(std::fclose(file), 0);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    ASSERT_EQ(after.st_ino, before.st_ino);
    ASSERT_EQ(after.st_size, before.st_size);
}

}  // namespace

TEST(IniCache, FreshFileIsParsedOnceAndItsChangesWithinOneTimeStepAreSeen) {
    tk73test::TempEnvironment environment;
    const std::string path = environment.path("KR301.INI");
    tk73test::TempEnvironment::writeFile(path, "[SYSTEM]\r\nMACHINE_TYPE=49\r\n");

    const auto first = tk73::loadIniDocument(path);
    EXPECT_EQ(machineType(*first), "49");
    EXPECT_EQ(tk73::loadIniDocument(path), first) << "the same bytes are parsed again";

    changeWithinOneTimeStep(path, "[SYSTEM]\r\nMACHINE_TYPE=50\r\n");
    const auto changed = tk73::loadIniDocument(path);
    EXPECT_EQ(machineType(*changed), "50");
    EXPECT_EQ(tk73::loadIniDocument(path), changed);

    changeWithinOneTimeStep(path, "[SYSTEM]\r\nMACHINE_TYPE=49\r\n");
    EXPECT_EQ(machineType(*tk73::loadIniDocument(path)), "49");

    std::remove(path.c_str());
    EXPECT_EQ(machineType(*tk73::loadIniDocument(path)), "<none>");
}
