#pragma once
// The retry rule of the database's folder steps: a folder that a virus scanner or an explorer
// window holds for a moment must not fail a backup or a restore.

#include <functional>

namespace tk73 {

// Tries the step up to three times, a second apart; whether a try succeeded.
[[nodiscard]] bool withRetries(const std::function<bool()>& step);

}  // namespace tk73
