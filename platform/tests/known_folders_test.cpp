#include "platform/known_folders.h"

#include <gtest/gtest.h>

#include "platform/testing/scoped_variable.h"
#include "tests/support/temp_environment.h"

using tk73::KnownFolder;
using tk73::knownFolderPath;
using tk73test::ScopedVariable;

TEST(KnownFolders, EnvironmentOverridesEveryFolder) {
    tk73test::TempEnvironment environment;
    EXPECT_EQ(knownFolderPath(KnownFolder::CommonAppData), environment.path("common"));
    EXPECT_EQ(knownFolderPath(KnownFolder::LocalAppData), environment.path("local"));
    EXPECT_EQ(knownFolderPath(KnownFolder::Documents), environment.path("documents"));
    EXPECT_EQ(knownFolderPath(KnownFolder::Temp), environment.path("temp"));
}

TEST(KnownFolders, DefaultsFollowTheXdgConventions) {
    tk73test::TempEnvironment environment;
    const std::string home = environment.path("home");
    ScopedVariable homeVariable("HOME", home.c_str());
    ScopedVariable common("TK73_COMMON_APPDATA", nullptr);
    ScopedVariable local("TK73_LOCAL_APPDATA", "");
    ScopedVariable documents("TK73_DOCUMENTS", nullptr);
    ScopedVariable temp("TK73_TEMP", nullptr);
    ScopedVariable data("XDG_DATA_HOME", nullptr);
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    ScopedVariable tmpdir("TMPDIR", nullptr);
    ScopedVariable runtime("XDG_RUNTIME_DIR", nullptr);
    // The test programs run from the build folder, which is no installation.
    EXPECT_EQ(knownFolderPath(KnownFolder::CommonAppData), "/var/lib");
    EXPECT_EQ(knownFolderPath(KnownFolder::LocalAppData), home + "/.local/share");
    EXPECT_EQ(knownFolderPath(KnownFolder::Documents), home + "/Documents");
    EXPECT_EQ(knownFolderPath(KnownFolder::Temp), "/tmp");
    {
        ScopedVariable dataHome("XDG_DATA_HOME", environment.path("data").c_str());
        ScopedVariable tmp("TMPDIR", environment.path("tmp").c_str());
        EXPECT_EQ(knownFolderPath(KnownFolder::LocalAppData), environment.path("data"));
        EXPECT_EQ(knownFolderPath(KnownFolder::Temp), environment.path("tmp"));
        // The session's own folder comes first: fixed temporary names are safe only there.
        ScopedVariable session("XDG_RUNTIME_DIR", environment.path("run").c_str());
        EXPECT_EQ(knownFolderPath(KnownFolder::Temp), environment.path("run"));
    }
    ScopedVariable noHome("HOME", nullptr);
    EXPECT_EQ(knownFolderPath(KnownFolder::LocalAppData), "");
    EXPECT_EQ(knownFolderPath(KnownFolder::Documents), "");
}

TEST(KnownFolders, DocumentsFollowTheUsersDesktopFolderNames) {
    tk73test::TempEnvironment environment;
    const std::string home = environment.path("home");
    ScopedVariable homeVariable("HOME", home.c_str());
    ScopedVariable documents("TK73_DOCUMENTS", nullptr);
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    tk73test::TempEnvironment::writeFile(home + "/.config/user-dirs.dirs",
                                         "# written by xdg-user-dirs-update\n"
                                         "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                         "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(knownFolderPath(KnownFolder::Documents), home + "/Dokumente");
    const std::string elsewhere = environment.path("config");
    ScopedVariable configHome("XDG_CONFIG_HOME", elsewhere.c_str());
    tk73test::TempEnvironment::writeFile(elsewhere + "/user-dirs.dirs",
                                         "XDG_DOCUMENTS_DIR=\"/srv/papers\"\n");
    EXPECT_EQ(knownFolderPath(KnownFolder::Documents), "/srv/papers");
}
