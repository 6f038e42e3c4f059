// The guide's picture of the window that shows while long work runs, on the backup of the store
// database started as a user starts it. The window stays only as long as the work (on the demo
// store a moment, often less than the agent's polls), so its picture is taken as it shows.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

#include <memory>

#include "guide/ui/callout_picture.h"
#include "guide/ui/guide_steps.h"

namespace {

using namespace tk73agent;
using namespace tk73guide;

// Saves the picture of the first progress window of the program as it shows.
class ProgressPicture : public QObject {
  public:
    ProgressPicture(QString folder, QString name)
        : QObject(qApp), folder_(std::move(folder)), name_(std::move(name)) {
        qApp->installEventFilter(this);
    }

    bool taken() const { return taken_; }
    const QString& problem() const { return problem_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!taken_ && event->type() == QEvent::Show && watched->inherits("tk73::ProgressDialog")) {
            taken_ = true;
            saveCalloutPicture(static_cast<QWidget*>(watched), {}, folder_, name_, problem_);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QString folder_;
    QString name_;
    bool taken_ = false;
    QString problem_;
};

// Agrees (Yes, OK) to every question of the run until it reports its end.
StepFunction agreeUntilReported(const QString& report) {
    auto answered = std::make_shared<QPointer<QMessageBox>>();
    return [report, answered] {
        QMessageBox* box = shownMessage();
        if (box == nullptr || box == *answered) {
            return false;
        }
        note(QStringLiteral("the backup says: ") + box->text());
        if (box->text() == report) {
            return true;
        }
        QAbstractButton* agree = buttonIn(box, QStringLiteral("Yes"));
        agree = agree != nullptr ? agree : buttonIn(box, QStringLiteral("OK"));
        if (!check(agree != nullptr, QStringLiteral("the backup stops at: ") + box->text())) {
            return true;
        }
        *answered = box;
        press(agree);
        return false;
    };
}

}  // namespace

// System > Backup branch data..., OK, and agreed to its questions: the backup running.
TK73_AGENT_SCENARIO(backupProgress) {
    const QString out = QString::fromStdString(scenario.argument("PICTURES"));
    auto picture = std::make_shared<ProgressPicture*>(nullptr);
    scenario.step("no card", pressIn(QStringLiteral("Open"), QStringLiteral("Cancel")))
        .step("the progress window awaited",
              [picture, out] {
                  *picture = new ProgressPicture(out, QStringLiteral("backup-progress"));
                  return true;
              })
        .step("System", pressIn(kMain, QStringLiteral("BtnSystem")))
        .step("Backup", chooseFromMenu(QStringLiteral("Backup branch data...")))
        .step("OK", pressInDialog(ownedDialog(), QStringLiteral("OK")))
        .step("the backup", agreeUntilReported(QStringLiteral("Normal End.")),
              std::chrono::seconds(40))
        .step("Normal End", answerMessage(QStringLiteral("OK")))
        .step("the progress window",
              [picture] {
                  check((*picture)->taken(), QStringLiteral("no progress window showed"));
                  check((*picture)->problem().isEmpty(), (*picture)->problem());
                  return true;
              })
        .step("end", finish());
}
