#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

#include "platform/running_program.h"
#include "tests/support/temp_environment.h"

TEST(DynamicLibrary, WindowsNamesMapToSharedObjects) {
    tk73test::TempEnvironment environment;
    const std::string here = tk73::runningProgramFolder();
    EXPECT_EQ(tk73::mappedLibraryPath("GLCONV.DLL"), here + "/libglconv.so");
    EXPECT_EQ(tk73::mappedLibraryPath("enclibdl.dll"), here + "/libenclibdl.so");
    EXPECT_EQ(tk73::mappedLibraryPath("LangJP"), here + "/liblangjp.so");
    EXPECT_EQ(tk73::mappedLibraryPath("plugins\\Arblibpc.dll"), "plugins/libarblibpc.so");
    EXPECT_EQ(tk73::mappedLibraryPath("/opt/tk73/LogoConv.DLL"), "/opt/tk73/liblogoconv.so");
    EXPECT_EQ(tk73::mappedLibraryPath(""), "");
    EXPECT_EQ(tk73::mappedLibraryPath("folder\\"), "");
}

TEST(DynamicLibrary, LoadsByTheWindowsNameAndAMissingLibraryIsNull) {
    tk73test::TempEnvironment environment;
    void* module = tk73::loadLibrary("TK73SAMPLE.DLL");
    ASSERT_NE(module, nullptr);
    auto* answer = reinterpret_cast<int (*)()>(tk73::librarySymbol(module, "tk73SampleAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(tk73::librarySymbol(module, "NoSuchFunction"), nullptr);
    EXPECT_TRUE(tk73::freeLibrary(module));
    EXPECT_EQ(tk73::loadLibrary("NOSUCHLIB.DLL"), nullptr);
    EXPECT_EQ(tk73::librarySymbol(nullptr, "tk73SampleAnswer"), nullptr);
    EXPECT_FALSE(tk73::freeLibrary(nullptr));
}
