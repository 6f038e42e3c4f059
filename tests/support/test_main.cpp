// The main of every GoogleTest program of the suite. It points the home, the configuration
// folders, the registry hives and the known folders into the build tree before any case runs,
// so a case that forgets its own overrides still never touches the real user's files, and gives
// Qt the test fonts.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/test_fonts.h"

namespace {

const char* const kTestEnvironment[] = {
#include "tk73_test_environment.inc"
};

void setTestEnvironment() {
    for (const char* assignment : kTestEnvironment) {
        const std::string text(assignment);
        const size_t equals = text.find('=');
        setenv(text.substr(0, equals).c_str(), text.substr(equals + 1).c_str(), 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    setTestEnvironment();
    tk73test::useTestFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
