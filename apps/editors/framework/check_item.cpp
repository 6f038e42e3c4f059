#include "apps/editors/framework/check_item.h"

#include "base/ui/ui_text.h"

namespace tk73editor {

CheckItem::CheckItem(QWidget* page, const std::string& label, int menuNo, int itemNo, int record)
    : PageItem(menuNo, itemNo, record), box_(new QCheckBox(tk73::toQString(label), page)) {
    QObject::connect(box_, &QCheckBox::toggled, box_, [this] { MarkEdited(); });
}

void CheckItem::Show(const tagPGMITEMDATA& value) {
    box_->setChecked(value.value == 1);
}

tagPGMITEMDATA CheckItem::Collect() const {
    tagPGMITEMDATA value;
    value.value = box_->isChecked() ? 1 : 0;
    return value;
}

}  // namespace tk73editor
