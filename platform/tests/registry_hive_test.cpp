#include "platform/registry_hive.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "platform/running_program.h"
#include "platform/testing/scoped_variable.h"
#include "tests/support/temp_environment.h"

namespace {

using tk73::Hive;
using tk73test::TempEnvironment;

constexpr const char* kSystem = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";

// Checks the file line by line against the export format with rules of its own, so that a fault
// shared by the hive's writer and reader still shows.
void expectValidExport(const std::string& text, const std::string& root) {
    std::istringstream lines(text);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "Windows Registry Editor Version 5.00");
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "");
    const std::regex key("\\[" + root + "(\\\\[^\\\\\\]]+)+\\]");
    const std::regex value(R"((@|"([^"\\]|\\["\\])*")=("([^"\\]|\\["\\])*"|dword:[0-9a-f]{8}))");
    bool inKey = false;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            inKey = false;
            continue;
        }
        if (std::regex_match(line, key)) {
            inKey = true;
            continue;
        }
        EXPECT_TRUE(inKey) << line;
        EXPECT_TRUE(std::regex_match(line, value)) << line;
    }
    EXPECT_EQ(text.back(), '\n');
}

}  // namespace

TEST(RegistryHive, FilesComeFromTheEnvironmentElseTheirDefaultPlaces) {
    TempEnvironment environment;
    EXPECT_EQ(tk73::registryHiveFile(Hive::Machine), environment.path("machine.reg"));
    EXPECT_EQ(tk73::registryHiveFile(Hive::User), environment.path("user.reg"));
    tk73test::ScopedVariable noMachine("TK73_MACHINE_HIVE", nullptr);
    tk73test::ScopedVariable noUser("TK73_USER_HIVE", "");
    EXPECT_EQ(tk73::registryHiveFile(Hive::Machine), tk73::runningProgramFolder() + "/machine.reg");
    {
        tk73test::ScopedVariable config("XDG_CONFIG_HOME", environment.path("config").c_str());
        EXPECT_EQ(tk73::registryHiveFile(Hive::User), environment.path("config/tk73/user.reg"));
    }
    tk73test::ScopedVariable noConfig("XDG_CONFIG_HOME", nullptr);
    tk73test::ScopedVariable home("HOME", environment.path("home").c_str());
    EXPECT_EQ(tk73::registryHiveFile(Hive::User), environment.path("home/.config/tk73/user.reg"));
    // The first write makes the configuration folder.
    EXPECT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTSTORE", "001"));
    EXPECT_TRUE(std::filesystem::exists(environment.path("home/.config/tk73/user.reg")));
}

TEST(RegistryHive, ValuesKeepTheirTypeAndNamesIgnoreLetterCase) {
    TempEnvironment environment;
    EXPECT_FALSE(tk73::registryReadValue(Hive::User, kSystem, "CURRENTSTORE"));
    ASSERT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTSTORE", "001"));
    ASSERT_TRUE(tk73::registryWriteDword(Hive::User, kSystem, "MAINHWND", 0xFFFFFFFFu));
    const auto store =
        tk73::registryReadValue(Hive::User, "software\\kelvo\\tk73tool\\system", "currentStore");
    ASSERT_TRUE(store);
    EXPECT_EQ(store->type, tk73::RegistryValue::Type::String);
    EXPECT_EQ(store->text, "001");
    const auto handle = tk73::registryReadValue(Hive::User, kSystem, "MainHwnd");
    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->type, tk73::RegistryValue::Type::Dword);
    EXPECT_EQ(handle->dword, 0xFFFFFFFFu);
    // Writing under another spelling replaces the value, type included.
    ASSERT_TRUE(tk73::registryWriteDword(Hive::User, kSystem, "currentstore", 7));
    EXPECT_EQ(tk73::registryReadValue(Hive::User, kSystem, "CURRENTSTORE")->dword, 7u);
    // The machine hive is a file of its own.
    EXPECT_FALSE(tk73::registryReadValue(Hive::Machine, kSystem, "MAINHWND"));
}

TEST(RegistryHive, KeysExistWithTheirParentsAndAreCreatedOnce) {
    TempEnvironment environment;
    const std::string edit = std::string(kSystem) + "\\TK73EDIT";
    EXPECT_FALSE(tk73::registryKeyExists(Hive::User, kSystem));
    ASSERT_TRUE(tk73::registryCreateKey(Hive::User, edit));
    EXPECT_TRUE(tk73::registryKeyExists(Hive::User, edit));
    EXPECT_TRUE(tk73::registryKeyExists(Hive::User, "software\\KELVO"));
    EXPECT_TRUE(tk73::registryKeyExists(Hive::User, edit + "\\"));
    EXPECT_FALSE(tk73::registryKeyExists(Hive::User, edit + "\\RECT"));
    EXPECT_FALSE(tk73::registryKeyExists(Hive::User, "SOFTWARE\\KELV"));
    const std::string before = TempEnvironment::readFile(environment.path("user.reg"));
    ASSERT_TRUE(tk73::registryCreateKey(Hive::User, "SOFTWARE\\KELVO"));
    EXPECT_EQ(TempEnvironment::readFile(environment.path("user.reg")), before);
}

TEST(RegistryHive, TheWrittenFileIsAValidRegistryExport) {
    TempEnvironment environment;
    const std::string trace = std::string(kSystem) + "\\TRACE\\STOREPORT";
    ASSERT_TRUE(tk73::registryWriteString(Hive::Machine, kSystem, "InstallPath", "/opt/tk73"));
    ASSERT_TRUE(tk73::registryWriteDword(Hive::Machine, kSystem, "UserMode", 2));
    ASSERT_TRUE(tk73::registryWriteString(Hive::Machine, trace, "Path", "C:\\trace \"net\"\\"));
    ASSERT_TRUE(tk73::registryWriteDword(Hive::Machine, trace, "Level", 0x1F));
    ASSERT_TRUE(tk73::registryWriteString(Hive::Machine, kSystem, "", "default"));
    const std::string text = TempEnvironment::readFile(environment.path("machine.reg"));
    expectValidExport(text, "HKEY_LOCAL_MACHINE");
    EXPECT_NE(
        text.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TRACE\\STOREPORT]\n"
                  "\"Path\"=\"C:\\\\trace \\\"net\\\"\\\\\"\n"
                  "\"Level\"=dword:0000001f\n"),
        std::string::npos)
        << text;
    EXPECT_EQ(tk73::registryReadValue(Hive::Machine, trace, "Path")->text, "C:\\trace \"net\"\\");
}

TEST(RegistryHive, ADamagedFileReadsAsEmptyAndStaysAsItWasUntilAWrite) {
    TempEnvironment environment;
    ASSERT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTSTORE", "001"));
    ASSERT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTBRANCH", "002"));
    const std::string whole = TempEnvironment::readFile(environment.path("user.reg"));
    const std::vector<std::string> damaged = {
        whole.substr(0, whole.size() - 4),  // cut inside the last value
        whole.substr(0, 20),                // cut inside the header
        "\x7F"
        "ELF\x02\x01\x01 not a hive at all\n",  // some other file
        whole + "\"ORPHAN\"=\"unterminated\n",
    };
    for (const std::string& bytes : damaged) {
        TempEnvironment::writeFile(environment.path("user.reg"), bytes);
        EXPECT_FALSE(tk73::registryReadValue(Hive::User, kSystem, "CURRENTSTORE"));
        EXPECT_FALSE(tk73::registryKeyExists(Hive::User, kSystem));
        EXPECT_EQ(TempEnvironment::readFile(environment.path("user.reg")), bytes);
    }
    ASSERT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTREGISTER", "003"));
    const std::string replaced = TempEnvironment::readFile(environment.path("user.reg"));
    expectValidExport(replaced, "HKEY_CURRENT_USER");
    EXPECT_EQ(tk73::registryReadValue(Hive::User, kSystem, "CURRENTREGISTER")->text, "003");
    EXPECT_FALSE(tk73::registryReadValue(Hive::User, kSystem, "CURRENTSTORE"));
}

TEST(RegistryHive, AHiveThatCannotBeReadIsNeverReplaced) {
    TempEnvironment environment;
    std::filesystem::create_directory(environment.path("user.reg"));
    EXPECT_FALSE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTSTORE", "001"));
    EXPECT_TRUE(std::filesystem::is_directory(environment.path("user.reg")));
    EXPECT_FALSE(tk73::registryReadValue(Hive::User, kSystem, "CURRENTSTORE"));
}

TEST(RegistryHive, TextsThatTheFormatCannotHoldAreRefusedAndNothingIsWritten) {
    TempEnvironment environment;
    ASSERT_TRUE(tk73::registryWriteString(Hive::User, kSystem, "CURRENTSTORE", "001"));
    const std::string before = TempEnvironment::readFile(environment.path("user.reg"));
    EXPECT_FALSE(tk73::registryWriteString(Hive::User, kSystem, "SDCARD_DRV", "E:\r\nX"));
    EXPECT_FALSE(tk73::registryWriteString(Hive::User, kSystem, "NEW\nNAME", "x"));
    EXPECT_FALSE(tk73::registryWriteDword(Hive::User, "SOFTWARE\\\\KELVO", "X", 1));
    EXPECT_FALSE(tk73::registryCreateKey(Hive::User, ""));
    EXPECT_EQ(TempEnvironment::readFile(environment.path("user.reg")), before);
}

TEST(RegistryHive, WritersInSeveralProcessesKeepEachOthersValues) {
    TempEnvironment environment;
    constexpr int kProcesses = 4;
    constexpr int kValuesEach = 15;
    std::vector<pid_t> children;
    for (int process = 0; process < kProcesses; ++process) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool written = true;
            for (int value = 0; value < kValuesEach; ++value) {
                const std::string name =
                    "P" + std::to_string(process) + "V" + std::to_string(value);
                written = tk73::registryWriteDword(Hive::User, kSystem, name, value) && written;
            }
            _exit(written ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int process = 0; process < kProcesses; ++process) {
        for (int value = 0; value < kValuesEach; ++value) {
            const std::string name = "P" + std::to_string(process) + "V" + std::to_string(value);
            const auto read = tk73::registryReadValue(Hive::User, kSystem, name);
            ASSERT_TRUE(read) << name;
            EXPECT_EQ(read->dword, static_cast<uint32_t>(value));
        }
    }
}
