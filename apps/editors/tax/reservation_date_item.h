#pragma once
// The reservation date (item 9 of the reservation menu) shown by the group "Date of changing
// TAX Table". A stored reservation that counts as programmed and names a real day shows
// "Programmed" with its date; anything else shows "No programmed" with today, the picker
// disabled. A save writes the chosen date as its six-digit number, or 0 for "No programmed".

#include "apps/editors/framework/page_item.h"
#include "apps/editors/tax/reservation_date_group.h"
#include "apps/editors/tax/reservation_switches.h"

namespace tk73tax {

class ReservationDateItem : public tk73editor::PageItem {
  public:
    // The switches are read before the date: the page keeps them first.
    ReservationDateItem(QWidget* page, int menuNo, int itemNo, const ReservationSwitches& switches);

    QWidget* Control() override { return group_; }
    ReservationDateGroup& Group() { return *group_; }

  protected:
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    const ReservationSwitches& switches_;
    ReservationDateGroup* group_;
};

}  // namespace tk73tax
