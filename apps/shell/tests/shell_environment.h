#pragma once
// What the shell's tests share: the shipped installation staged into a private folder for a user
// mode, with the registry hives, the known folders and the runtime folder there too; a program
// folder (with a blank in its path) that holds the editor test double under an editor's name;
// the scripted user interaction; and a Qt application for the window tests.

#include <QApplication>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "tests/support/temp_environment.h"

namespace hubtest {

class ShellEnvironment {
  public:
    // A mode the installer does not know (above 4) is written over mode 0 afterwards, as an
    // administrator might.
    explicit ShellEnvironment(uint32_t userMode);
    // Puts the media folders back.
    ~ShellEnvironment();
    ShellEnvironment(const ShellEnvironment&) = delete;
    ShellEnvironment& operator=(const ShellEnvironment&) = delete;

    const tk73test::TempEnvironment& temp() const { return temp_; }
    tk73test::ScriptedUserInteraction& ui() { return ui_; }

    // "<root>/Program Files/bin" holding the test double of an editor under each name given.
    std::string programFolder(const std::vector<std::string>& editorNames);
    // Where the test double reports (its "started" and "events" files) and takes orders.
    std::string doubleFolder() const { return temp_.path("double"); }

    // The maintenance folder of store 1's register or controller.
    std::string mainteFolder(bool vek) const;
    // The register tool's "UserMode" as the machine hive holds it.
    uint32_t storedUserMode() const;
    // The desktop's current branch, store and register.
    std::vector<std::string> desktop() const;

    // The model dialog, answered with a register model and a controller model (0: none).
    void answerSelectModel(int registerModelNo, int vekModelNo);

    // The SD card of the tests: a folder below the environment's only media folder, so the SD
    // card dialog offers it.
    std::string card() const;
    // The next SD card dialog, answered with OK on the card, or cancelled.
    void answerSdCard();
    void cancelSdCard();

  private:
    tk73test::TempEnvironment temp_;
    tk73test::ScriptedUserInteraction ui_;
    std::optional<std::string> savedMedia_;
};

// Runs the events of the application until the condition holds or the time is up; the result of
// the condition.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds limit = std::chrono::seconds(20));

// A program of the build.
std::string builtProgram(const std::string& name);

// The contents of a file, empty when missing.
std::string fileText(const std::string& path);

}  // namespace hubtest
