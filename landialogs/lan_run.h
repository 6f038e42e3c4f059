#pragma once
// The run dialog's work, apart from its window: the tasks, the transfer that runs each one, and
// what the dialog says afterwards. The window runs the transfers on a worker thread and asks
// this object what to show; a test or a script drives it directly.

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"
#include "landialogs/lan_task.h"
#include "landialogs/lan_transfer.h"

namespace tk73lan {

class LanRunRequest : public tk73::DialogRequest {
  public:
    static constexpr std::string_view kName = "LanRun";
    // End codes of the dialog.
    static constexpr int kAllDone = 0;
    static constexpr int kLeftWithFailures = 1;

    LanRunRequest(std::vector<LanTask>& tasks, std::string title, bool controller,
                  TK73LANTRANSFER transfer, void* callerValue);
    std::string_view dialogName() const override { return kName; }

    const std::string& title() const { return title_; }
    bool controller() const { return controller_; }
    const std::vector<LanTask>& tasks() const { return tasks_; }

    // "Execute all" and "Exec again all": every task not done yet, until a cancel. "Exec again
    // one": that task.
    void executeAll();
    void executeOne(size_t index);
    // Cancel, from another thread while the tasks run: the register session that runs ends at
    // once (a controller's transfer runs to its end), and the tasks after it are not run; they
    // stay not done, with the result "Cancelled.". Holds until clearCancel(), which a run
    // calls before it starts and the dialog when it ends.
    void cancel();
    void clearCancel();
    // Why "Exec again one" does not run the task at index (out of range when no row is
    // selected): a task that is done is not run again. Empty when it runs.
    std::string againOneRefusal(size_t index) const;
    // The words beside the busy indicator while transfers run; the register dialog has none.
    std::string busyNotice() const;
    // The message after a run of every task or of one, and its icon.
    std::string outcomeOfAll() const;
    std::string outcomeOfOne(size_t index) const;
    tk73::MessageIcon outcomeIcon() const;
    bool allDone() const;
    // The first task not done, or the number of tasks.
    size_t firstFailed() const;
    // The question before leaving with tasks not done.
    std::string exitQuestion() const;

    // How the dialog ended; set by whoever shows it.
    int endCode = kLeftWithFailures;

  private:
    void execute(LanTask& task);

    std::vector<LanTask>& tasks_;
    std::string title_;
    bool controller_;
    TK73LANTRANSFER transfer_;
    void* callerValue_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace tk73lan
