#include "network/app_context.h"

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>

#include "network/net_errors.h"

namespace {

// Calls without a context: the last code of the process and one slot per thread, claimed in
// round-robin order. The table is shared without a lock; the atomics keep a torn slot out.
constexpr int kSlots = 256;
struct ThreadSlot {
    std::atomic<size_t> thread{0};
    std::atomic<int32_t> code{0};
};
ThreadSlot g_slots[kSlots];
std::atomic<int> g_nextSlot{0};
std::atomic<int32_t> g_lastError{0};

size_t threadKey() {
    // 0 marks a free slot, so no thread may have key 0.
    const size_t key = std::hash<std::thread::id>{}(std::this_thread::get_id());
    return key == 0 ? 1 : key;
}

void setThreadError(int32_t code) {
    g_lastError = code;
    const size_t key = threadKey();
    for (ThreadSlot& slot : g_slots) {
        if (slot.thread == key) {
            slot.code = code;
            return;
        }
    }
    ThreadSlot& slot = g_slots[g_nextSlot.fetch_add(1) % kSlots];
    slot.thread = key;
    slot.code = code;
}

}  // namespace

TK73APC* TK73_API TK73bslCreateAPC(void*) {
    return static_cast<TK73APC*>(std::calloc(1, sizeof(TK73APC)));
}

int TK73_API TK73bslDeleteAPC(TK73APC* context) {
    if (context == nullptr) {
        setThreadError(tk73net::kErrParameter);
        return 0;
    }
    for (void* owned : context->owned) {
        std::free(owned);
    }
    for (void* owned : context->moreOwned) {
        std::free(owned);
    }
    std::free(context->moduleName);
    std::free(context);
    return 1;
}

int TK73_API TK73bslSetErrno(TK73APC* context, int32_t code) {
    tk73net::setError(context, code, 0, 0);
    return 1;
}

int32_t TK73_API TK73bslGetErrno(const TK73APC* context) {
    if (context != nullptr) {
        return context->code;
    }
    const size_t key = threadKey();
    for (const ThreadSlot& slot : g_slots) {
        if (slot.thread == key) {
            return slot.code;
        }
    }
    return g_lastError;
}

namespace tk73net {

void setError(TK73APC* context, int32_t code, int32_t detail, int32_t systemError) {
    if (context == nullptr) {
        setThreadError(code);
        return;
    }
    if (context->hold > 0) {
        return;
    }
    context->code = code;
    context->detail = detail;
    context->systemError = systemError;
}

void clearError(TK73APC* context) {
    setError(context, 0, 0, 0);
}

ErrorHold::ErrorHold(TK73APC* context) : context_(context) {
    if (context_ != nullptr) {
        ++context_->hold;
    }
}

ErrorHold::~ErrorHold() {
    if (context_ != nullptr) {
        --context_->hold;
    }
}

}  // namespace tk73net
