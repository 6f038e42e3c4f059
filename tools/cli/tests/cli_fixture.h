#pragma once
// tk73 as a process on a staged installation of the test's own: the stores it makes, the files
// below the data folders, and register simulators on loopback addresses.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/command_output.h"
#include "tests/support/temp_environment.h"
#include "tools/cli/tests/cli_process.h"
#include "tools/regsim/register_simulator.h"
#include "tools/stager/stage_installation.h"

namespace clitest {

namespace fs = std::filesystem;
using tk73test::CliResult;
using tk73test::runTk73;
using tk73test::TempEnvironment;

constexpr int kProfessional = 2;
constexpr int kDefaultLayout = 0;
// The register models of the shipped installation.
constexpr const char* kKiosk = "150";    // KR150
constexpr const char* kCompact = "301";  // KR301

class Tk73 : public ::testing::Test {
  protected:
    void stage(uint32_t mode) {
        std::vector<std::string> log;
        std::string error;
        const std::string target = env_.path("stage");
        ASSERT_TRUE(tk73tools::stageInstallation(
            {tk73tools::shippedInstallation(), target, mode, false}, log, error))
            << error;
        // The environment puts the variable back when the test ends.
        setenv("TK73_MACHINE_HIVE", tk73tools::stagedHive(target).c_str(), 1);
    }

    std::string database(const std::string& relative) const {
        return env_.path("common/TK73DB/" + relative);
    }
    std::string plu(int storeNo) const {
        char name[64];
        std::snprintf(name, sizeof name, "S%03d/M001/MAINTE/FILE004P.TXT", storeNo);
        return database(name);
    }
    static std::string read(const std::string& path) { return TempEnvironment::readFile(path); }

    // Every file below the data folders and the user hive, by path: what a command may touch.
    // The converter's log of its last run ("ECR.LOG") is left out: a refused archive leaves it;
    // so is a store's history ("HISTORY"), which every transfer writes.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const char* folder : {"common", "local", "documents"}) {
            for (const auto& entry : fs::recursive_directory_iterator(env_.root() / folder)) {
                if (entry.is_regular_file() && entry.path().filename() != "ECR.LOG" &&
                    entry.path().string().find("/HISTORY/") == std::string::npos) {
                    files[entry.path().string()] = read(entry.path().string());
                }
            }
        }
        files["user.reg"] = read(env_.path("user.reg"));
        return files;
    }

    // Creates a store and answers its number.
    std::string create(const std::string& name, const char* model) {
        const CliResult result = runTk73({"store", "create", "--name", name, "--model", model});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out.substr(0, result.out.find('\n'));
    }

    // The JSON output as Python's json module reads it strictly (UTF-8, no bare control
    // character) and writes it again in ASCII, every other character as its "\\uXXXX" escape.
    // Empty when Python refuses it.
    std::string readBackWithPython(const std::string& json) const {
        const std::string file = env_.path("output.json");
        TempEnvironment::writeFile(file, json);
        const std::string command =
            "python3 -c 'import json,sys\n"
            "with open(sys.argv[1], encoding=\"utf-8\", errors=\"strict\") as f:\n"
            "    print(json.dumps(json.load(f)))' '" +
            file + "' 2>/dev/null";
        const tk73test::CommandOutput python = tk73test::runCommand(command);
        return python.status == 0 ? python.text : std::string();
    }

    // A register of the test's own on a loopback address (every wait on it is bounded), keeping
    // its files in a folder of its own; the options as the test changes them.
    std::unique_ptr<tk73regsim::RegisterSimulator> startRegister(
        const std::string& address, tk73regsim::Fault fault = tk73regsim::Fault::None,
        int listenDelayMs = 0) {
        tk73regsim::Options options;
        options.address = address;
        options.folder = registerFolder(address);
        options.fault = fault;
        options.answerSeconds = 5;
        options.listenDelayMs = listenDelayMs;
        fs::create_directories(options.folder);
        auto simulator = std::make_unique<tk73regsim::RegisterSimulator>(options);
        std::string error;
        EXPECT_TRUE(simulator->start(&error)) << error;
        return simulator;
    }
    std::string registerFolder(const std::string& address) const {
        return env_.path("register-" + address);
    }

    TempEnvironment env_;
};

class Tk73Professional : public Tk73 {
  protected:
    void SetUp() override { stage(kProfessional); }
};

}  // namespace clitest
