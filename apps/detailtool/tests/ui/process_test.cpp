// TK73DTL as the shell starts it, a program of its own on store 1 of a staged installation, and
// OPEN, which starts the data editor as a program of its own: what the editor was started with
// is read from the started process itself, and the tool is in front again once it has ended.

#include <QTest>

#include <signal.h>

#include <fstream>
#include <iterator>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/ui/detail_window.h"
#include "apps/editors/testing/editor_session.h"
#include "base/registry_settings.h"
#include "platform/window_activation.h"
#include "tests/programs/suite_program.h"

namespace {

constexpr int kVK500 = 501;

std::string toolProgram() {
    return tk73test::builtProgram("TK73DTL");
}

// The arguments of a running process, its program's path first.
QStringList commandLineOf(uint32_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    QStringList arguments =
        QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size())).split(QChar(0));
    arguments.removeLast();  // after the final NUL
    return arguments;
}

// The window in front once it is another than the one named, within ten seconds.
uint32_t frontOtherThan(uint32_t named) {
    uint32_t front = tk73test::currentWindow();
    for (int wait = 0; wait < 200 && front == named; ++wait) {
        QTest::qWait(50);
        front = tk73test::currentWindow();
    }
    return front;
}

// OPEN on the file in the tool's window (which this test program holds, so the tool's window is
// this process); the command line of the data editor that came to the front. The editor is then
// killed, so it cannot take its name off the front itself; the arguments are answered only when
// the tool's window is named in front again.
QStringList openedEditor(int fileNo) {
    tk73dtl::DetailContext context;
    tk73dtl::prepareStart(context);
    tk73dtl::DetailWindow window(context);
    const uint32_t tool = tk73::ownWindowHandle();
    AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, "CURRENTHWND", &tool);
    window.Open(fileNo);
    const uint32_t editor = frontOtherThan(tool);
    if (editor == tool || editor == 0) {
        return {};
    }
    const QStringList arguments = commandLineOf(editor);
    ::kill(static_cast<pid_t>(editor), SIGKILL);
    return frontOtherThan(editor) == tool ? arguments : QStringList{"not in front again"};
}

}  // namespace

class DetailProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void openStartsTheDataEditorOnTheMaintenanceFileAndTakesTheFrontBack() {
        tk73editortest::EditorSession session(301, kVK500);
        QVERIFY(session.ready());
        const QString editor = QString::fromStdString(tk73test::builtProgram("TK73EDIT"));
        QCOMPARE(openedEditor(4), QStringList({editor,
                                               QString::fromStdString(session.store.mainteFile(
                                                   tk73editortest::kRegister, 4)),
                                               "/LAUNCHREG"}));
        // With the controller's setting current, the controller's file and its switch.
        AecrbsSetCurrentVekSetting(1, 0);
        QCOMPARE(openedEditor(4), QStringList({editor,
                                               QString::fromStdString(session.store.mainteFile(
                                                   tk73editortest::kController, 4)),
                                               "/LAUNCHREG", "/CURVEKSET"}));
        AecrbsSetCurrentVekSetting(0, 0);
        // A data file is not opened: the tool stays in front.
        tk73dtl::DetailContext context;
        tk73dtl::prepareStart(context);
        tk73dtl::DetailWindow window(context);
        window.Open(90);
        QTest::qWait(1000);
        QCOMPARE(tk73test::currentWindow(), tk73::ownWindowHandle());
    }

    void runsOncePerModeAndOnlyWithAStore() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        tk73test::SuiteProgram first(toolProgram(), "");
        QVERIFY(first.pid() != 0);
        QVERIFY(first.awaitWindow());
        QCOMPARE(tk73test::exitCodeOf(toolProgram(), ""), 1);
        QVERIFY(first.running());
        QVERIFY(first.raise());
        // The controller tool takes the desktop's store: none is selected.
        QVERIFY(AecrbsSetDesktopRegister("999", "999", "999") != 0);
        QCOMPARE(tk73test::exitCodeOf(toolProgram(), "/LAUNCHVEK"), 3);
    }
};

QTEST_MAIN(DetailProcessTest)
#include "process_test.moc"
