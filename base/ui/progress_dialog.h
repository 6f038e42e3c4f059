#pragma once
// The run-with-progress dialog: a small modal window with a caption, one line of text, an icon
// and an endless animation that keeps the user waiting while work runs on a worker thread. The
// user cannot close it (no close button, Enter and Escape do nothing); it closes itself when the
// work returns.

#include <QDialog>

#include <functional>
#include <string>
#include <thread>

#include "base/user_interaction.h"

namespace tk73 {

class BusySpinner;

class ProgressDialog : public QDialog {
    Q_OBJECT

  public:
    ProgressDialog(const std::string& caption, const std::string& message, MessageIcon icon,
                   QWidget* parent = nullptr);
    ~ProgressDialog() override;

    // Starts the work on a worker thread and shows the dialog modal until the work has
    // returned; answers the work's result. When no worker thread can be started, tells the user
    // so and answers 0 without running the work.
    [[nodiscard]] int run(std::function<int()> work);

    bool isSpinning() const;

  public slots:
    void reject() override;

  protected:
    // Starts the thread that runs body; false when the system gives no thread.
    [[nodiscard]] virtual bool startWorker(std::function<void()> body);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Runs on the dialog's thread once the worker has posted that the work is done.
    void finish();

    std::string caption_;
    BusySpinner* spinner_ = nullptr;
    std::thread worker_;
    int result_ = 0;         // written by the worker before it posts finish()
    bool finished_ = false;  // the only way out of the dialog
};

}  // namespace tk73
