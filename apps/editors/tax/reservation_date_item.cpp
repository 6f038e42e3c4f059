#include "apps/editors/tax/reservation_date_item.h"

#include "apps/editors/tax/reservation_date.h"

namespace tk73tax {

ReservationDateItem::ReservationDateItem(QWidget* page, int menuNo, int itemNo,
                                         const ReservationSwitches& switches)
    : PageItem(menuNo, itemNo), switches_(switches), group_(new ReservationDateGroup(page)) {
    group_->OnChange([this] { MarkEdited(); });
}

void ReservationDateItem::Show(const tagPGMITEMDATA& value) {
    const std::optional<QDate> date = reservationDate(value.value);
    if (switches_.CountsAsProgrammed() && date) {
        group_->ShowProgrammed(*date);
    } else {
        group_->ShowNotProgrammed(QDate::currentDate());
    }
}

tagPGMITEMDATA ReservationDateItem::Collect() const {
    tagPGMITEMDATA value;
    if (group_->Programmed()) {
        value.value = reservationNumber(group_->Date()).value_or(0);
    }
    return value;
}

}  // namespace tk73tax
