#pragma once
// The reservation of a tax table change (switch "R", title "TAX Table reservation"): the new
// calculation type ("Add in", "Add on") and rate of the first four tables, and the group "Date
// of changing TAX Table" with the day the register changes over. Notes list what a reservation
// cannot change and warn that a reservation made on the register is overwritten.
//
// OK refuses, after the rates, a date that has passed or lies in 2100 or later: the invalid-values
// message, "No programmed" chosen with the focus, the picker back on today and disabled. A
// programmed date is saved with the reservation switches set (see reservation_switches.h).

#include <memory>

#include "apps/editors/tax/reservation_date_item.h"
#include "apps/editors/tax/reservation_switches.h"
#include "apps/editors/tax/tax_page_set.h"

namespace tk73tax {

class ReservationPageSet : public TaxPageSet {
  public:
    explicit ReservationPageSet(tk73editor::PgmMenuContext& context);

    // The date group, whether or not the definition has the date.
    ReservationDateGroup& DateGroup() { return *group_; }

  protected:
    [[nodiscard]] bool CheckBeforeSave() override;

  private:
    QWidget* Tables(tk73editor::SettingPage& page);
    QWidget* Notes();

    ReservationSwitches switches_;
    ReservationDateItem* date_ = nullptr;
    ReservationDateGroup* group_ = nullptr;
};

}  // namespace tk73tax
