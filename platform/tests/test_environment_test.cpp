#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Every test program starts with its home and hives inside the build tree, so a test that does
// not set up its own folders can still never reach the real user's files.
TEST(TestEnvironment, HomeAndHivesPointIntoTheBuildTree) {
    for (const char* name : {"HOME", "TK73_MACHINE_HIVE", "TK73_USER_HIVE", "TK73_DOCUMENTS",
                             "TK73_LOCAL_APPDATA", "TK73_COMMON_APPDATA", "TK73_TEMP"}) {
        const char* value = std::getenv(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_NE(std::string(value).find("/test-home"), std::string::npos) << name;
    }
}
