#include "apps/detailtool/ui/front_window.h"

#include "base/window_values.h"
#include "platform/window_activation.h"

namespace tk73dtl {

void takeFrontAfter(uint32_t endedProgram) {
    const uint32_t current = tk73::currentWindowValue();
    if (current == 0 || current == endedProgram) {
        tk73::setCurrentWindowValue(tk73::ownWindowHandle());
    }
}

}  // namespace tk73dtl
