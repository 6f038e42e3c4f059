#include "base/retry_rule.h"

#include <chrono>
#include <thread>

namespace tk73 {

bool withRetries(const std::function<bool()>& step) {
    constexpr int kTries = 3;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (step()) {
            return true;
        }
        if (attempt < kTries) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
    return false;
}

}  // namespace tk73
