#pragma once
// Whether the stored reservation counts as programmed. Besides the date (item 9 of the
// reservation menu) the register keeps two switches, items 10 and 11, and the definition lists
// with each ("ITEM_%03d_VALUE") the values that make a reservation count: a reservation is
// programmed when every switch holds a value of its list. In the shipped definitions item 10
// is the "reservation set" flag (list "1") and item 11 the "carried out by the register" flag
// (list "0"). A switch the definition does not have does not count against it.
//
// Saving a programmed reservation puts each switch on the first value of its list, so that the
// register (and this editor, when it opens again) take the new date as programmed.

#include <vector>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/tax/kept_value_item.h"

namespace tk73tax {

class ReservationSwitches {
  public:
    // A switch of the page, with its list from the definition, or the built-in list when the
    // definition has none.
    void Add(const tk73editor::PgmMenuContext& context, KeptValueItem& item,
             std::vector<int> builtInValues);

    bool CountsAsProgrammed() const;
    // Before a save: each switch on the first value of its list, or back to the value read.
    void MarkProgrammed(bool programmed);

  private:
    struct Switch {
        KeptValueItem* item;
        std::vector<int> values;
    };
    std::vector<Switch> switches_;
};

}  // namespace tk73tax
