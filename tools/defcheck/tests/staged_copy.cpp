#include "tools/defcheck/tests/staged_copy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/ini_profile.h"
#include "tools/stager/stage_installation.h"

namespace tk73tools::testing {

StagedCopy::StagedCopy() {
    std::vector<std::string> log;
    std::string error;
    const std::string target = env_.path("stage");
    if (!stageInstallation({shippedInstallation(), target, 0, false}, log, error)) {
        ADD_FAILURE() << error;
    }
    root_ = target + "/install";
}

void StagedCopy::setKey(const std::string& file, const char* section, const char* key,
                        const char* value) const {
    ASSERT_TRUE(tk73_WritePrivateProfileStringA(section, key, value, path(file).c_str()));
    // A file changed moments ago is parsed again on every profile read, and the program file
    // handle reads a definition key by key; ten seconds back, the check reads it parsed once.
    std::filesystem::last_write_time(
        path(file), std::filesystem::file_time_type::clock::now() - std::chrono::seconds(10));
}

void StagedCopy::replaceText(const std::string& file, const std::string& from,
                             const std::string& to) const {
    std::string text = tk73test::TempEnvironment::readFile(path(file));
    size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << file;
    text.replace(at, from.size(), to);
    tk73test::TempEnvironment::writeFile(path(file), text);
}

void StagedCopy::remove(const std::string& file) const {
    ASSERT_TRUE(std::filesystem::remove(path(file))) << file;
}

void StagedCopy::keepRecords(const std::string& file, int count) const {
    const std::string text = tk73test::TempEnvironment::readFile(path(file));
    // Record lines begin with their number; the header lines before them with a quote.
    size_t end = 0;
    int records = 0;
    while (end < text.size() && !(text[end] >= '0' && text[end] <= '9' && records++ == count)) {
        const size_t next = text.find("\r\n", end);
        ASSERT_NE(next, std::string::npos) << file;
        end = next + 2;
    }
    ASSERT_EQ(records, count + 1) << file << " holds no more than " << count << " records";
    tk73test::TempEnvironment::writeFile(path(file), text.substr(0, end));
}

}  // namespace tk73tools::testing
