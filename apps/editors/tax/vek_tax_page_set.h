#pragma once
// The controller's tax tables (whenever the controller's setting is the current one): four
// tables "Tax Table1" to "Tax Table4" with calculation type ("Add in", "Add on"), rate and
// rounding, with Help and Restore defaults. The register beside the controller computes with the
// same four tables, so after a save records 1 to 4 of the tax file are copied from the controller
// to the register of the store.

#include "apps/editors/tax/tax_page_set.h"

namespace tk73tax {

class VekTaxPageSet : public TaxPageSet {
  public:
    explicit VekTaxPageSet(tk73editor::PgmMenuContext& context);

  protected:
    void Saved() override;
};

}  // namespace tk73tax
