#pragma once
// The fixture of the base services tests: a private environment for the hives and known folders,
// and the process-wide switches back at 0 after each test.

#include <gtest/gtest.h>

#include <string>

#include "base/registry_settings.h"
#include "platform/registry_hive.h"
#include "tests/support/temp_environment.h"

namespace tk73test {

inline constexpr const char* kToolRoot = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";
inline constexpr const char* kVekRoot = "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM";

class BaseTest : public ::testing::Test {
  protected:
    ~BaseTest() override {
        AecrbsSetLaunchVekTool(0);
        AecrbsSetCurrentVekSetting(0, 0);
    }

    // Values the installation writes into the machine hive.
    static void installString(const char* name, const std::string& text,
                              const char* root = kToolRoot) {
        ASSERT_TRUE(tk73::registryWriteString(tk73::Hive::Machine, root, name, text));
    }
    static void installDword(const char* name, uint32_t value, const char* root = kToolRoot) {
        ASSERT_TRUE(tk73::registryWriteDword(tk73::Hive::Machine, root, name, value));
    }

    TempEnvironment environment;
};

}  // namespace tk73test
