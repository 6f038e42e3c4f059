#include "apps/shell/tests/shell_environment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "operations/sd_card.h"
#include "platform/running_program.h"
#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"
#include "storedb/select_model.h"
#include "tools/stager/stage_installation.h"

namespace hubtest {

namespace {

// One application for every window test of the program, made before the first test runs.
class QtApplicationEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "shell_tests";
        static char* argv[] = {name, nullptr};
        application_ = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        delete application_;
        application_ = nullptr;
    }

  private:
    QApplication* application_ = nullptr;
};

[[maybe_unused]] testing::Environment* const qtEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

ShellEnvironment::ShellEnvironment(uint32_t userMode) {
    tk73tools::StageRequest request;
    request.source = tk73tools::shippedInstallation();
    request.target = temp_.path("stage");
    request.mode = userMode <= 4 ? userMode : 0;
    std::vector<std::string> log;
    std::string error;
    if (!tk73tools::stageInstallation(request, log, error)) {
        ADD_FAILURE() << "staging failed: " << error;
    }
    const std::string hive = tk73tools::stagedHive(request.target);
    setenv("TK73_MACHINE_HIVE", hive.c_str(), 1);
    if (userMode != request.mode) {
        // Mode 0 leaves the controller tool's root at 3: the one "UserMode" of 0 is the register's.
        std::string text = tk73test::TempEnvironment::readFile(hive);
        const std::string stored = "\"UserMode\"=dword:00000000";
        char wanted[40];
        std::snprintf(wanted, sizeof wanted, "\"UserMode\"=dword:%08x", userMode);
        const size_t at = text.find(stored);
        if (at == std::string::npos) {
            ADD_FAILURE() << "no register user mode in the staged hive";
        } else {
            text.replace(at, stored.size(), wanted);
            tk73test::TempEnvironment::writeFile(hive, text);
        }
    }
    std::filesystem::create_directories(doubleFolder());
    if (const char* media = std::getenv("TK73_MEDIA_FOLDERS")) {
        savedMedia_ = media;
    }
    setenv("TK73_MEDIA_FOLDERS", temp_.path("media").c_str(), 1);
    std::filesystem::create_directories(card());
}

ShellEnvironment::~ShellEnvironment() {
    if (savedMedia_) {
        setenv("TK73_MEDIA_FOLDERS", savedMedia_->c_str(), 1);
    } else {
        unsetenv("TK73_MEDIA_FOLDERS");
    }
}

std::string ShellEnvironment::programFolder(const std::vector<std::string>& editorNames) {
    const std::string folder = temp_.path("Program Files/bin");
    std::filesystem::create_directories(folder);
    for (const std::string& name : editorNames) {
        // A link keeps the double beside its libraries, which it finds through its own folder.
        std::filesystem::create_symlink(builtProgram("shell_test_editor_double"),
                                        folder + "/" + name);
    }
    setenv("TK73_EDITOR_DOUBLE_DIR", doubleFolder().c_str(), 1);
    return folder;
}

std::string ShellEnvironment::mainteFolder(bool vek) const {
    char folder[TK73_MAX_PATH] = {};
    // Empty while store 1 has no maintenance folder.
    if (vek) {
        (void)CTK73pgmVekPgmFile(1).GetMaintePath(folder, 0);
    } else {
        (void)CTK73pgmPgmFile(1).GetMaintePath(folder, 0);
    }
    return folder;
}

uint32_t ShellEnvironment::storedUserMode() const {
    uint32_t mode = 0;
    AecrbsGetTK73UserMode(&mode);
    return mode;
}

std::vector<std::string> ShellEnvironment::desktop() const {
    char branch[4096] = {};
    char store[4096] = {};
    char reg[4096] = {};
    AecrbsGetDesktopRegister(branch, store, reg);
    return {branch, store, reg};
}

void ShellEnvironment::answerSelectModel(int registerModelNo, int vekModelNo) {
    ui_.handleDialog("SelectModel", [registerModelNo, vekModelNo](tk73::DialogRequest& request) {
        auto& select = static_cast<tk73store::SelectModelRequest&>(request);
        const bool accepted =
            select.choice.accept(registerModelNo, vekModelNo != 0, vekModelNo, "caption");
        return accepted ? tk73::Button::Ok : tk73::Button::Cancel;
    });
}

std::string ShellEnvironment::card() const {
    return temp_.path("media/CARD");
}

void ShellEnvironment::answerSdCard() {
    ui_.handleDialog("SdCard", [card = card()](tk73::DialogRequest& request) {
        tk73ops::SdCardChoice& choice = static_cast<tk73ops::SdCardRequest&>(request).choice;
        const auto& folders = choice.folders();
        const auto found = std::find(folders.begin(), folders.end(), card);
        EXPECT_NE(found, folders.end()) << "the card is not on offer";
        const int index = found == folders.end() ? -1 : static_cast<int>(found - folders.begin());
        return choice.accept(index, "caption") ? tk73::Button::Ok : tk73::Button::Cancel;
    });
}

void ShellEnvironment::cancelSdCard() {
    ui_.handleDialog("SdCard", [](tk73::DialogRequest&) { return tk73::Button::Cancel; });
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string builtProgram(const std::string& name) {
    // The test program lands beside the programs of the build.
    return tk73::runningProgramFolder() + "/" + name;
}

std::string fileText(const std::string& path) {
    return tk73test::TempEnvironment::readFile(path);
}

}  // namespace hubtest
