#include "apps/detailtool/ui/setting_failure.h"

#include "apps/detailtool/detail_texts.h"
#include "base/user_interaction.h"

namespace tk73dtl {

void reportUnlessStored(bool stored) {
    if (!stored) {
        tk73::ui().message(kSettingNotStored, kAppTitle, tk73::MessageIcon::Error);
    }
}

}  // namespace tk73dtl
