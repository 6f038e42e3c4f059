#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/run_with_progress.h"
#include "base/ui/progress_dialog.h"
#include "base/ui/qt_user_interaction.h"
#include "base/ui/testing/modal_probe.h"

using tk73::ProgressDialog;

namespace {

// What the callback saw and the switch that lets it return.
struct Job {
    std::atomic<bool> release{false};
    std::atomic<bool> ran{false};
    std::thread::id thread;
    int answer = 0;
};

int TK73_API waitForRelease(uintptr_t context, void* argument) {
    auto* job = static_cast<Job*>(argument);
    job->ran = true;
    job->thread = std::this_thread::get_id();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!job->release && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return job->answer;
}

// A dialog on a system that has no thread to give.
class NoThreadDialog : public ProgressDialog {
  public:
    using ProgressDialog::ProgressDialog;

  protected:
    bool startWorker(std::function<void()>) override { return false; }
};

}  // namespace

class ProgressDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { tk73::installUserInteraction(&qtUi_); }
    void cleanup() { tk73::installUserInteraction(nullptr); }

    void staysOpenUntilTheCallbackReturnsAndAnswersItsResult() {
        Job job;
        job.answer = 42;
        QPointer<ProgressDialog> shown;
        bool openWhileRunning = false;
        bool spinning = false;
        QString caption;
        QString message;
        tk73test::whenModal<ProgressDialog>([&](ProgressDialog* dialog) {
            shown = dialog;
            caption = dialog->windowTitle();
            message = dialog->findChild<QLabel*>(QStringLiteral("message"))->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
            QTest::keyClick(dialog, Qt::Key_Return);
            QTest::keyClick(dialog, Qt::Key_Enter, Qt::KeypadModifier);
            dialog->close();
            dialog->reject();
            QTest::qWait(100);
            openWhileRunning = dialog->isVisible() && !job.release;
            spinning = dialog->isSpinning();
            job.release = true;
        });
        const int result =
            AecruiDoModalRPD(9, "Database", "System Backup ...", waitForRelease, &job);
        QCOMPARE(result, 42);
        QVERIFY(openWhileRunning);
        QVERIFY(spinning);
        QCOMPARE(caption, QStringLiteral("Database"));
        QCOMPARE(message, QStringLiteral("System Backup ..."));
        QVERIFY(job.thread != std::this_thread::get_id());
        QVERIFY(shown.isNull());  // closed and gone once the call returned
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void failingCallbackAnswersZeroAfterTheDialogShowedAndClosed() {
        Job job;
        job.answer = 0;
        bool seen = false;
        tk73test::whenModal<ProgressDialog>([&](ProgressDialog*) {
            seen = true;
            job.release = true;
        });
        QCOMPARE(AecruiDoModalRPD(0, "Database", "Data Delete ...", waitForRelease, &job), 0);
        QVERIFY(seen);
        QVERIFY(job.ran);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void callbackThatReturnsAtOnceClosesCleanly() {
        for (int round = 0; round < 20; ++round) {
            Job job;
            job.answer = round + 1;
            job.release = true;
            QCOMPARE(AecruiDoModalRPD(0, "Database", "x", waitForRelease, &job), round + 1);
        }
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void threadStartFailureIsReportedAndTheWorkNeverRuns() {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        tk73test::whenModal<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        bool ran = false;
        NoThreadDialog dialog("Database", "System Initialize ...", tk73::MessageIcon::Application);
        QCOMPARE(dialog.run([&] {
            ran = true;
            return 1;
        }),
                 0);
        QVERIFY(!ran);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(text, QStringLiteral("Failed to start the thread of execution."));
        QCOMPARE(title, QStringLiteral("Database"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

  private:
    tk73::QtUserInteraction qtUi_;
};

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_test.moc"
