#pragma once
// The calculation type of a register's tax table: "Add in", "Add on" or "Other". An "Other"
// table computes its tax from a table of further values that the register is programmed with
// and this editor does not show, so:
//
// - Leaving "Other" asks "You will lose current taxtable.\nAre you sure?". No puts the choice
//   back on "Other" (with the focus); Yes takes the new type, clears the table's further values
//   and disables "Other" while the page stays open.
// - "Other" can only be kept, never chosen: a table that is not "Other" when the page opens
//   has no further values to compute with, so its "Other" button is disabled.

#include <vector>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/tax/kept_value_item.h"

namespace tk73tax {

class TaxTypeItem : public tk73editor::ChoiceItem {
  public:
    TaxTypeItem(QWidget* page, int menuNo, int itemNo, int record);

    // The further values of an "Other" table, cleared when the user leaves "Other".
    void KeepOtherValues(std::vector<KeptValueItem*> values) { otherValues_ = std::move(values); }

  protected:
    void Prepare(tk73editor::PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;

  private:
    void Clicked(int entry);

    int current_ = -1;
    std::vector<KeptValueItem*> otherValues_;
};

}  // namespace tk73tax
