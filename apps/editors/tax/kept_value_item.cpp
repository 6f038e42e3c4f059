#include "apps/editors/tax/kept_value_item.h"

namespace tk73tax {

KeptValueItem::KeptValueItem(QWidget* page, int menuNo, int itemNo, int record)
    : PageItem(menuNo, itemNo, record), control_(std::make_unique<QWidget>()) {}

void KeptValueItem::Set(uint64_t value) {
    value_ = value;
    MarkEdited();
}

void KeptValueItem::Show(const tagPGMITEMDATA& value) {
    read_ = value.value;
    value_ = value.value;
}

tagPGMITEMDATA KeptValueItem::Collect() const {
    tagPGMITEMDATA value;
    value.value = value_;
    return value;
}

}  // namespace tk73tax
