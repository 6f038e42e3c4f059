// TK73ITEM started as the shell starts it: a separate process with the page-set flag, on store 1
// of a staged installation.

#include <signal.h>
#include <sys/wait.h>

#include <QTest>

#include <chrono>
#include <filesystem>
#include <thread>

#include "apps/editors/item/tests/support/item_test_store.h"
#include "base/registry_settings.h"
#include "platform/process_launch.h"
#include "platform/running_program.h"
#include "platform/window_activation.h"

using tk73itemtest::ItemTestStore;

namespace {

std::string itemProgram() {
    return tk73::runningProgramFolder() + "/TK73ITEM";
}

uint32_t currentWindow() {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, "CURRENTHWND");
    return value;
}

// Waits up to twenty seconds for the editor's window to name itself in "CURRENTHWND".
bool awaitWindow(uint32_t pid) {
    for (int tries = 0; tries < 400; ++tries) {
        if (currentWindow() == pid) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool stillRunning(uint32_t pid) {
    int status = 0;
    return ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG) == 0;
}

// The first copy of the editor; the test ends it when it is done with it.
class RunningEditor {
  public:
    explicit RunningEditor(const std::string& flag)
        : pid_(tk73::startProgram(itemProgram(), flag)) {}
    ~RunningEditor() {
        if (pid_ != 0) {
            ::kill(static_cast<pid_t>(pid_), SIGKILL);
            tk73::waitForProgram(pid_);
        }
    }
    RunningEditor(const RunningEditor&) = delete;
    RunningEditor& operator=(const RunningEditor&) = delete;

    uint32_t pid() const { return pid_; }

  private:
    uint32_t pid_;
};

}  // namespace

class ItemEditorProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void startingTheSameEditorTwiceLeavesOneRunning() {
        ItemTestStore store;
        QVERIFY2(store.Error().empty(), store.Error().c_str());
        RunningEditor first("/P");
        QVERIFY(first.pid() != 0);
        QVERIFY(awaitWindow(first.pid()));

        // Any page set of the item editor is the same program: the second start only raises the
        // first and ends.
        QCOMPARE(tk73::waitForProgram(tk73::startProgram(itemProgram(), "/P")), 1);
        QCOMPARE(tk73::waitForProgram(tk73::startProgram(itemProgram(), "/C")), 1);
        QVERIFY(stillRunning(first.pid()));
        QCOMPARE(currentWindow(), first.pid());
        QVERIFY(tk73::raiseWindow(first.pid()));
    }

    void withoutTheDefinitionFileOrAPageSetItEndsWithoutAWindow() {
        ItemTestStore store;
        QVERIFY2(store.Error().empty(), store.Error().c_str());
        QCOMPARE(tk73::waitForProgram(tk73::startProgram(itemProgram(), "")), 2);
        QCOMPARE(tk73::waitForProgram(tk73::startProgram(itemProgram(), "/D")), 2);
        std::filesystem::remove(store.DefinitionFile(0));
        QCOMPARE(tk73::waitForProgram(tk73::startProgram(itemProgram(), "/P")), 3);
        QCOMPARE(currentWindow(), 0u);
    }
};

QTEST_MAIN(ItemEditorProcessTest)
#include "item_editor_process_test.moc"
