#pragma once
// What the tax page sets share: their tables of rates and the first check of OK. Every enabled
// rate must hold a rate the file can take; the first that does not shows "Invalid values.\nPlease
// set the correct value.", gets the value read back and the focus, and the page stays open.
// Further checks of a page set follow, then the framework's save.

#include <string>
#include <vector>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/tax/tax_rate_item.h"

class QGridLayout;
class QGroupBox;

namespace tk73tax {

class TaxPageSet : public tk73editor::PageSetDialog {
  public:
    TaxPageSet(tk73editor::PgmMenuContext& context, const std::string& title);

    void accept() override;

    // The rates in the order of the pages, for the check.
    const std::vector<TaxRateItem*>& Rates() const { return rates_; }

  protected:
    // A table's group, its controls laid out in a grid of label and control rows.
    static QGroupBox* TableGroup(const std::string& title, QGridLayout*& grid);
    // Places a labelled row in a table's grid.
    static void PlaceRow(QGridLayout& grid, const std::string& label, QWidget* control);
    // Places a choice of options, without a frame, in a labelled row.
    static void PlaceChoice(QGridLayout& grid, const std::string& label,
                            tk73editor::ChoiceItem& choice);
    // Keeps the rate of a table on the page and places it in the grid with its "%".
    TaxRateItem& AddRate(tk73editor::SettingPage& page, QGridLayout& grid, const std::string& label,
                         int menuNo, int itemNo, int record);
    // Whether the definition has the item.
    [[nodiscard]] bool HasItem(int menuNo, int itemNo);
    // The number of tables: the records of the menu's first item, or the count given.
    [[nodiscard]] int TableCount(int menuNo, int fallback);
    // Checks after the rates; false keeps the page open.
    [[nodiscard]] virtual bool CheckBeforeSave() { return true; }
    // The invalid-values message under the title.
    void TellInvalid();

  private:
    std::vector<TaxRateItem*> rates_;
};

}  // namespace tk73tax
