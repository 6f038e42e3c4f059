#include "base/ui/progress_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <system_error>

#include "base/ui/busy_spinner.h"
#include "base/ui/icons.h"
#include "base/ui/message_box.h"
#include "base/ui/ui_text.h"

namespace tk73 {

namespace {

const char kThreadStartFailed[] = "Failed to start the thread of execution.";

}  // namespace

ProgressDialog::ProgressDialog(const std::string& caption, const std::string& message,
                               MessageIcon icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      caption_(caption) {
    setWindowTitle(toQString(caption));
    setModal(true);

    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(iconOf(icon, style()).pixmap(32, 32));
    iconLabel->setFixedSize(32, 32);
    auto* text = new QLabel(toQString(message), this);
    text->setObjectName(QStringLiteral("message"));
    text->setMinimumWidth(240);
    spinner_ = new BusySpinner(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->setHorizontalSpacing(20);
    layout->addWidget(iconLabel, 0, 0, Qt::AlignTop);
    layout->addWidget(text, 0, 1, Qt::AlignVCenter);
    layout->addWidget(spinner_, 1, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ProgressDialog::~ProgressDialog() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

bool ProgressDialog::isSpinning() const {
    return spinner_->isSpinning();
}

bool ProgressDialog::startWorker(std::function<void()> body) {
    try {
        worker_ = std::thread(std::move(body));
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

int ProgressDialog::run(std::function<int()> work) {
    result_ = 0;
    finished_ = false;
    const bool started = startWorker([this, work = std::move(work)] {
        result_ = work();
        QMetaObject::invokeMethod(this, &ProgressDialog::finish, Qt::QueuedConnection);
    });
    if (!started) {
        showMessageBox(parentWidget(), kThreadStartFailed, caption_, Buttons::Ok, Button::Ok,
                       MessageIcon::Exclamation);
        return 0;
    }
    exec();
    if (worker_.joinable()) {
        worker_.join();
    }
    return result_;
}

void ProgressDialog::finish() {
    spinner_->stop();
    finished_ = true;
    done(QDialog::Accepted);
}

void ProgressDialog::reject() {
    // Only the worker ends the dialog.
    if (finished_) {
        QDialog::reject();
    }
}

void ProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
    spinner_->start();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    if (finished_) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

}  // namespace tk73
