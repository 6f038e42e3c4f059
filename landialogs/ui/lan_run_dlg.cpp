#include "landialogs/ui/lan_run_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/row_list.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"

namespace {

constexpr size_t kEveryRow = static_cast<size_t>(-1);
constexpr size_t kNoRow = static_cast<size_t>(-1);
constexpr int kCloseAfterMilliseconds = 2000;

}  // namespace

CLanRunDlg::CLanRunDlg(tk73lan::LanRunRequest& request, QWidget* parent)
    : QDialog(parent),
      request_(request),
      list_(new QTreeWidget(this)),
      busy_(new QProgressBar(this)),
      notice_(new QLabel(tk73::toQString(request.busyNotice()), this)),
      again_(new QPushButton(QStringLiteral("Exec again one"), this)),
      againAll_(new QPushButton(QStringLiteral("Exec again all"), this)),
      exit_(new QPushButton(QStringLiteral("Exit"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(tk73::toQString(request.title()));
    tk73::setUpRowList(
        list_, {QStringLiteral("Branch"), QStringLiteral("Store"), QStringLiteral("Machine No."),
                QStringLiteral("IP address"), QStringLiteral("Result")});
    // The result takes what the other columns leave.
    for (int column = 0; column < 4; ++column) {
        list_->setColumnWidth(column, 90);
    }
    // No range: the indicator moves on its own, as the transfers say nothing of their progress.
    busy_->setRange(0, 0);
    busy_->setTextVisible(false);
    connect(again_, &QPushButton::clicked, this, [this] {
        const int row = list_->indexOfTopLevelItem(list_->currentItem());
        const size_t index = row < 0 ? kNoRow : static_cast<size_t>(row);
        const std::string refusal = request_.againOneRefusal(index);
        if (!refusal.empty()) {
            tk73::ui().message(refusal, request_.title(), tk73::MessageIcon::Exclamation);
            return;
        }
        Run(index);
    });
    connect(againAll_, &QPushButton::clicked, this, [this] { Run(kEveryRow); });
    connect(exit_, &QPushButton::clicked, this, &CLanRunDlg::reject);
    connect(cancel_, &QPushButton::clicked, this, &CLanRunDlg::Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(again_);
    buttons->addWidget(againAll_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* running = new QHBoxLayout;
    running->addWidget(notice_);
    running->addWidget(busy_, 1);
    running->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(running);
    layout->addLayout(buttons);
    resize(720, 320);
    ShowRunning(false);
    ShowTasks();
    QTimer::singleShot(0, this, [this] { Run(kEveryRow); });
}

CLanRunDlg::~CLanRunDlg() {
    if (running_) {
        request_.cancel();
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    request_.clearCancel();
}

void CLanRunDlg::Run(size_t index) {
    if (running_) {
        return;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    ShowRunning(true);
    request_.clearCancel();
    try {
        worker_ = std::thread([this, index] {
            if (index == kEveryRow) {
                request_.executeAll();
            } else {
                request_.executeOne(index);
            }
            QMetaObject::invokeMethod(
                this, [this, index] { Finished(index); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        ShowRunning(false);
        tk73::ui().message("Error create thread.", request_.title(), tk73::MessageIcon::Error);
    }
}

void CLanRunDlg::Finished(size_t index) {
    ShowRunning(false);
    ShowTasks();
    const std::string outcome =
        index == kEveryRow ? request_.outcomeOfAll() : request_.outcomeOfOne(index);
    tk73::ui().message(outcome, request_.title(), request_.outcomeIcon());
    if (request_.allDone()) {
        QTimer::singleShot(kCloseAfterMilliseconds, this, [this] {
            request_.endCode = tk73lan::LanRunRequest::kAllDone;
            accept();
        });
        return;
    }
    list_->setCurrentItem(list_->topLevelItem(static_cast<int>(request_.firstFailed())));
}

void CLanRunDlg::ShowRunning(bool running) {
    running_ = running;
    for (QPushButton* button : {again_, againAll_, exit_}) {
        button->setEnabled(!running);
    }
    busy_->setVisible(running);
    cancel_->setVisible(running);
    cancel_->setEnabled(running);
    notice_->setVisible(running && !notice_->text().isEmpty());
}

void CLanRunDlg::ShowTasks() {
    list_->clear();
    for (const tk73lan::LanTask& task : request_.tasks()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, tk73::toQString(task.branchName));
        item->setText(1, tk73::toQString(task.storeName));
        item->setText(2, tk73::toQString(task.machineNo));
        item->setText(3, tk73::toQString(task.ipAddress));
        item->setText(4, tk73::toQString(task.result));
    }
}

void CLanRunDlg::Cancel() {
    if (running_) {
        cancel_->setEnabled(false);
        request_.cancel();
    }
}

void CLanRunDlg::reject() {
    if (running_) {
        Cancel();
        return;
    }
    if (request_.allDone()) {
        request_.endCode = tk73lan::LanRunRequest::kAllDone;
        QDialog::accept();
        return;
    }
    if (tk73::ui().question(request_.exitQuestion(), request_.title(), tk73::Buttons::YesNo,
                            tk73::Button::No, tk73::MessageIcon::Question) != tk73::Button::Yes) {
        return;
    }
    request_.endCode = tk73lan::LanRunRequest::kLeftWithFailures;
    QDialog::reject();
}
