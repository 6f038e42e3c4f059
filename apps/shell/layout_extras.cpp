#include "apps/shell/layout_extras.h"

#include "apps/shell/pro_layout_extras.h"
#include "apps/shell/stand_alone_extras.h"

namespace tk73hub {

std::unique_ptr<LayoutExtras> CreateLayoutExtras(CHubDlg& window, HubLayout layout) {
    switch (layout) {
        case HubLayout::Pro:
            return std::make_unique<ProLayoutExtras>(window);
        case HubLayout::StandAlone:
            return std::make_unique<StandAloneExtras>(window);
        case HubLayout::Default:
            break;
    }
    return nullptr;
}

}  // namespace tk73hub
