#include "apps/detailtool/ui/program_end_watch.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace tk73dtl {

ProgramEndWatch::ProgramEndWatch(Ended ended, QObject* parent)
    : QObject(parent), ended_(std::move(ended)) {}

ProgramEndWatch::~ProgramEndWatch() {
    // A notifier still enabled holds the descriptor of a process that has not ended.
    for (QSocketNotifier* notifier : findChildren<QSocketNotifier*>()) {
        if (notifier->isEnabled()) {
            notifier->setEnabled(false);
            ::close(static_cast<int>(notifier->socket()));
        }
    }
}

void ProgramEndWatch::Watch(uint32_t processId) {
    // Through the system call: the C library's own wrapper is declared without C linkage here.
    const int descriptor = static_cast<int>(::syscall(SYS_pidfd_open, processId, 0));
    if (descriptor < 0) {
        if (errno == ESRCH) {
            QTimer::singleShot(0, this, [this, processId] { ended_(processId); });
        }
        return;
    }
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier, processId] {
        notifier->setEnabled(false);
        ::close(static_cast<int>(notifier->socket()));
        notifier->deleteLater();
        ended_(processId);
    });
}

}  // namespace tk73dtl
