#include "landialogs/lan_run.h"

#include <cstdlib>

#include "network/lan_file_service.h"

namespace tk73lan {

namespace {

constexpr size_t kMessageRoom = 4096;
constexpr size_t kDetailRoom = 768;

}  // namespace

LanRunRequest::LanRunRequest(std::vector<LanTask>& tasks, std::string title, bool controller,
                             TK73LANTRANSFER transfer, void* callerValue)
    : tasks_(tasks),
      title_(std::move(title)),
      controller_(controller),
      transfer_(transfer),
      callerValue_(callerValue) {}

void LanRunRequest::execute(LanTask& task) {
    std::string message(kMessageRoom, '\0');
    std::string detail(kDetailRoom, '\0');
    task.status =
        transfer_(std::atoi(task.machineNo.c_str()), callerValue_, task.branchNo.c_str(),
                  task.storeNo.c_str(), task.ipAddress.c_str(), message.data(), detail.data());
    message.resize(message.find('\0'));
    task.result = message;
}

void LanRunRequest::executeAll() {
    for (LanTask& task : tasks_) {
        if (task.status > 0) {
            continue;
        }
        if (cancelled_) {
            task.result = "Cancelled.";
        } else {
            execute(task);
        }
    }
}

void LanRunRequest::cancel() {
    cancelled_ = true;
    TK73sslDUCancel(1);
}

void LanRunRequest::clearCancel() {
    cancelled_ = false;
    TK73sslDUCancel(0);
}

void LanRunRequest::executeOne(size_t index) {
    if (index < tasks_.size()) {
        execute(tasks_[index]);
    }
}

std::string LanRunRequest::againOneRefusal(size_t index) const {
    if (index >= tasks_.size()) {
        return controller_ ? "Please select controller to execute." : "Select ECR.";
    }
    if (tasks_[index].status > 0) {
        return controller_ ? "Please select the controller box which is error."
                           : "Select error end ECR.";
    }
    return {};
}

std::string LanRunRequest::busyNotice() const {
    return controller_ ? "Communicating to VEK Controller" : std::string();
}

bool LanRunRequest::allDone() const {
    return firstFailed() == tasks_.size();
}

size_t LanRunRequest::firstFailed() const {
    for (size_t index = 0; index < tasks_.size(); ++index) {
        if (tasks_[index].status <= 0) {
            return index;
        }
    }
    return tasks_.size();
}

// Both dialogs report a failed row of a whole run with the controller's text.
std::string LanRunRequest::outcomeOfAll() const {
    return allDone() ? "Normal end all of task" : "Error end some of Controler box.";
}

std::string LanRunRequest::outcomeOfOne(size_t index) const {
    return index < tasks_.size() && tasks_[index].status > 0 ? "Normal end." : "Error end.";
}

tk73::MessageIcon LanRunRequest::outcomeIcon() const {
    return allDone() ? tk73::MessageIcon::Information : tk73::MessageIcon::Exclamation;
}

std::string LanRunRequest::exitQuestion() const {
    return controller_ ? "There are controller which is error end.\nAre you sure to exit without "
                         "execute to these controller?"
                       : "Error end some of ECR.\nDo you exit without retry?";
}

}  // namespace tk73lan
