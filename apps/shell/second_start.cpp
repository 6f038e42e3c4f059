#include "apps/shell/second_start.h"

#include "base/window_values.h"
#include "platform/window_activation.h"

namespace tk73hub {

bool BringRunningShellForward(uint32_t holder) {
    if (tk73::raiseWindow(holder)) {
        return true;
    }
    const uint32_t current = tk73::currentWindowValue();
    return current != 0 && tk73::raiseWindow(current);
}

}  // namespace tk73hub
