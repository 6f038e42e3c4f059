#include "apps/editors/tax/reservation_switches.h"

#include <algorithm>

namespace tk73tax {

void ReservationSwitches::Add(const tk73editor::PgmMenuContext& context, KeptValueItem& item,
                              std::vector<int> builtInValues) {
    std::vector<int> listed;
    if (context.GetValueList(item.MenuNo(), item.ItemNo(), listed)) {
        builtInValues = std::move(listed);
    }
    switches_.push_back({&item, std::move(builtInValues)});
}

bool ReservationSwitches::CountsAsProgrammed() const {
    return std::all_of(switches_.begin(), switches_.end(), [](const Switch& entry) {
        if (!entry.item->Usable()) {
            return true;
        }
        const uint64_t value = entry.item->Current();
        return std::any_of(entry.values.begin(), entry.values.end(), [value](int listed) {
            return listed >= 0 && static_cast<uint64_t>(listed) == value;
        });
    });
}

void ReservationSwitches::MarkProgrammed(bool programmed) {
    for (const Switch& entry : switches_) {
        if (programmed && !entry.values.empty() && entry.values.front() >= 0) {
            entry.item->Set(static_cast<uint64_t>(entry.values.front()));
        } else {
            entry.item->Reset();
        }
    }
}

}  // namespace tk73tax
