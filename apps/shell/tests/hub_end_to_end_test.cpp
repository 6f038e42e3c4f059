// The shell with real programs around it: the editor it starts (the test double, under the item
// editor's name, in a program folder with a blank in its path) and further starts of TK73HUB
// itself, each on the same staged installation.

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "apps/shell/tests/hub_window_fixture.h"
#include "base/window_values.h"
#include "platform/process_launch.h"
#include "platform/runtime_folder.h"
#include "platform/window_activation.h"

namespace tk73hub {
namespace {

using tk73test::InteractionKind;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// Another TK73HUB of the build, started as the user starts it.
class ShellProcess {
  public:
    explicit ShellProcess(const std::string& programSwitch)
        : pid_(tk73::startProgram(hubtest::builtProgram("TK73HUB"), programSwitch)) {}
    ~ShellProcess() {
        if (pid_ != 0 && !ended_) {
            kill(static_cast<pid_t>(pid_), SIGTERM);
            (void)tk73::waitForProgram(pid_);  // only reaps the ended program
        }
    }
    uint32_t pid() const { return pid_; }
    // Its exit code once it has ended by itself within the limit; -1 when it still runs.
    int endedWith(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            if (waitpid(static_cast<pid_t>(pid_), &status, WNOHANG) == static_cast<pid_t>(pid_)) {
                ended_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

  private:
    uint32_t pid_;
    bool ended_ = false;
};

// Tells the editor double to end; the order appears whole, so it never reads half of it.
void order(const std::string& reports, const std::string& what) {
    std::ofstream(reports + "/close.part") << what;
    std::filesystem::rename(reports + "/close.part", reports + "/close");
}

// Whether the shell holds the named mutex, read from the lock file's holder line. Probing by
// taking the mutex, even for a moment, could make a shell that starts just then take the probe
// for a running copy of itself and end.
bool heldBy(const std::string& name, const ShellProcess& shell) {
    return hubtest::fileText(tk73::runtimeObjectPath(name, ".lock")) ==
           std::to_string(shell.pid()) + "\n";
}

TEST(HubEndToEnd, AnEditorRunsWhileTheShellWaitsHidden) {
    hubtest::HubWindow hub(0, {"TK73ITEM"});
    CHubDlg& window = hub.window();
    const std::string reports = hub.env().doubleFolder();
    hub.runNew(301, 501);
    ASSERT_EQ(window.Document().GetState(), 3);

    hub.press(1012);  // PLU
    ASSERT_TRUE(hubtest::waitFor([&] { return std::filesystem::exists(reports + "/started"); }));
    const std::vector<std::string> started = lines(hubtest::fileText(reports + "/started"));
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0], "TK73ITEM");
    EXPECT_EQ(started[1], "/P");
    EXPECT_TRUE(window.IsLaunching());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isEnabled());
    EXPECT_EQ(tk73::mainWindowValue(), tk73::ownWindowHandle());
    EXPECT_EQ(std::to_string(tk73::currentWindowValue()), started[2]);

    // A second start of the shell brings the editor forward and ends.
    ShellProcess second("");
    EXPECT_EQ(second.endedWith(std::chrono::seconds(20)), 0);
    EXPECT_EQ(lines(hubtest::fileText(reports + "/events")), std::vector<std::string>{"activated"});

    // The editor saves (its values unchanged) and ends; the shell comes back.
    order(reports, "save");
    ASSERT_TRUE(hubtest::waitFor([&] { return !window.IsLaunching(); }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
    // In front: the window system gives it the focus.
    EXPECT_TRUE(
        hubtest::waitFor([&] { return QGuiApplication::focusWindow() == window.windowHandle(); }));
    EXPECT_EQ(tk73::mainWindowValue(), 0u);
    EXPECT_EQ(tk73::currentWindowValue(), 0u);

    // Exit asks whether to save what the editor wrote: Cancel stays, No ends.
    hub.env().ui().pressButton(tk73::Button::Cancel);
    hub.press(1033);
    EXPECT_EQ(hub.result(), -2);
    EXPECT_TRUE(window.isVisible());
    hub.env().ui().pressButton(tk73::Button::No);
    hub.press(1033);
    EXPECT_EQ(hub.result(), 1);
    EXPECT_EQ(hub.env().ui().textsOf(InteractionKind::Question),
              (std::vector<std::string>(2, "Setting file has modified. Do you want to save it?")));
}

TEST(HubEndToEnd, DetailSettingsRunsTheDetailToolWhileTheShellWaitsHidden) {
    hubtest::HubWindow hub(2, {"TK73DTL"});
    CHubDlg& window = hub.window();
    const std::string reports = hub.env().doubleFolder();
    ASSERT_NE(hub.selectNewStore("Coffee bar", 301, 0), 0);

    hub.press(1029);  // Detail Settings
    ASSERT_TRUE(hubtest::waitFor([&] { return std::filesystem::exists(reports + "/started"); }));
    const std::vector<std::string> started = lines(hubtest::fileText(reports + "/started"));
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0], "TK73DTL");
    EXPECT_EQ(started[1], "") << "the detail tool is started without a switch";
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isEnabled());

    order(reports, "close");
    ASSERT_TRUE(hubtest::waitFor([&] { return !window.IsLaunching(); }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(tk73::mainWindowValue(), 0u);
}

TEST(HubEndToEnd, TheControllerShellRunsBesideTheRegisterShell) {
    hubtest::ShellEnvironment env(0);
    ShellProcess registerShell("");
    ASSERT_TRUE(
        hubtest::waitFor([&] { return heldBy("TK73HUB_LAUNCHREGTK73HUB", registerShell); }));
    ShellProcess vekShell("/LAUNCHVEK");
    ASSERT_TRUE(hubtest::waitFor([&] { return heldBy("TK73HUB_LAUNCHVEKTK73HUB", vekShell); }));
    EXPECT_EQ(registerShell.endedWith(std::chrono::milliseconds(300)), -1);
    EXPECT_EQ(vekShell.endedWith(std::chrono::milliseconds(300)), -1);

    // A second start in either mode finds its own shell, brings it forward and ends.
    ShellProcess secondVek("/LAUNCHVEK");
    EXPECT_EQ(secondVek.endedWith(std::chrono::seconds(20)), 0);
    EXPECT_EQ(vekShell.endedWith(std::chrono::milliseconds(100)), -1);
}

TEST(HubEndToEnd, AProgramFolderWithABlankNeedsNoQuotes) {
    hubtest::HubWindow hub(0, {"TK73RCPT"});
    hub.runNew(301, 0);
    hub.press(1019);  // X/Z Report
    const std::string reports = hub.env().doubleFolder();
    ASSERT_TRUE(hubtest::waitFor([&] { return std::filesystem::exists(reports + "/started"); }));
    EXPECT_EQ(lines(hubtest::fileText(reports + "/started"))[1], "/RP");
    order(reports, "close");
    ASSERT_TRUE(hubtest::waitFor([&] { return !hub.window().IsLaunching(); }));
    EXPECT_FALSE(hub.window().IsModified());
    EXPECT_TRUE(hub.env().ui().textsOf(InteractionKind::Message).size() <= 1u);
}

}  // namespace
}  // namespace tk73hub
