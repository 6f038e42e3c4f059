#include "platform/installed_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "tk73_installed_layout.h"

using tk73::installationRootOf;

TEST(InstalledLayout, AnInstallationFindsItsRootFromItsProgramFolder) {
    const std::string installed = TK73_INSTALLED_PROGRAM_FOLDER;
    EXPECT_EQ(installationRootOf(installed), "");
    EXPECT_EQ(installationRootOf("/srv/unpacked" + installed), "/srv/unpacked");
    // Folders that only look alike are no installation.
    EXPECT_FALSE(installationRootOf("/work/build/bin"));
    EXPECT_FALSE(installationRootOf(installed + "/bin"));
    EXPECT_FALSE(installationRootOf("/srv/x" + installed.substr(1)));
    EXPECT_FALSE(installationRootOf("unpacked" + installed));
    EXPECT_FALSE(installationRootOf(""));
}
