#include "apps/editors/tax/tax_editor.h"

#include "apps/editors/tax/register_tax_page_set.h"
#include "apps/editors/tax/reservation_page_set.h"
#include "apps/editors/tax/vek_tax_page_set.h"
#include "base/registry_settings.h"

namespace tk73tax {

namespace {

template <class RegisterSet>
std::unique_ptr<tk73editor::PageSetDialog> create(tk73editor::PgmMenuContext& context) {
    if (AecrbsGetCurrentVekSetting() == 1) {
        return std::make_unique<VekTaxPageSet>(context);
    }
    return std::make_unique<RegisterSet>(context);
}

}  // namespace

tk73editor::EditorDescription taxEditor() {
    tk73editor::EditorDescription description;
    description.vekFlags = tk73editor::VekFlags::FirstTwoFlags;
    description.pageSets.push_back({"T", create<RegisterTaxPageSet>});
    description.pageSets.push_back({"R", create<ReservationPageSet>});
    return description;
}

}  // namespace tk73tax
