#pragma once
// The register's tax tables (switch "T"): ten tables on the pages "Tax Table1-4", "Tax
// Table5-8" and "Tax Table9-10". Each table shows its calculation type ("Add in", "Add on",
// "Other"), rate, rounding, TA and TAX descriptors and print control, and keeps the further
// values of an "Other" table. A note under the pages warns that the register restores the
// descriptors when the type changes. The register's tables are never restored to defaults here.

#include "apps/editors/tax/tax_page_set.h"

namespace tk73tax {

class RegisterTaxPageSet : public TaxPageSet {
  public:
    explicit RegisterTaxPageSet(tk73editor::PgmMenuContext& context);

  private:
    QWidget* Table(tk73editor::SettingPage& page, int table);
};

}  // namespace tk73tax
