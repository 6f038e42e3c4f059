#include "tools/defcheck/tests/staged_copy.h"

#include <gtest/gtest.h>

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

}  // namespace tk73tools::testing
