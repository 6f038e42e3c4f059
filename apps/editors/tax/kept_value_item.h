#pragma once
// A value of a record that a page reads, restores and saves but does not show: the page changes
// it only by its own rules (the values of an "Other" tax table, the switches of a reservation).

#include <cstdint>
#include <memory>

#include "apps/editors/framework/page_item.h"

namespace tk73tax {

class KeptValueItem : public tk73editor::PageItem {
  public:
    // The control is the item's own and never on the page.
    KeptValueItem(QWidget* page, int menuNo, int itemNo, int record = 0);

    // A control that is never placed, so that the framework can enable and disable it.
    QWidget* Control() override { return control_.get(); }

    // The value a save would write now.
    uint64_t Current() const { return Value().value; }
    void Set(uint64_t value);
    // Back to the value last read.
    void Reset() { Set(read_); }

  protected:
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    std::unique_ptr<QWidget> control_;
    uint64_t read_ = 0;
    uint64_t value_ = 0;
};

}  // namespace tk73tax
