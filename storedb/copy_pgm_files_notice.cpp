#include "storedb/copy_pgm_files_notice.h"

#include <mutex>
#include <utility>

namespace tk73store {

namespace {

std::mutex& handlerGuard() {
    static std::mutex guard;
    return guard;
}

CopyPgmFilesHandler& registeredHandler() {
    static CopyPgmFilesHandler handler;
    return handler;
}

}  // namespace

CopyPgmFilesHandler SetCopyPgmFilesHandler(CopyPgmFilesHandler handler) {
    const std::lock_guard<std::mutex> lock(handlerGuard());
    return std::exchange(registeredHandler(), std::move(handler));
}

void NotifyCopyPgmFiles(int storeNo, int kinds) {
    CopyPgmFilesHandler handler;
    {
        const std::lock_guard<std::mutex> lock(handlerGuard());
        handler = registeredHandler();
    }
    // Called outside the lock, so that the handler may register another one.
    if (handler) {
        handler(storeNo, kinds);
    }
}

}  // namespace tk73store
