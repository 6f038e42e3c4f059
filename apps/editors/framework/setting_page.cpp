#include "apps/editors/framework/setting_page.h"

#include "base/ui/ui_text.h"

namespace tk73editor {

SettingPage::SettingPage(const std::string& title, QWidget* parent)
    : QWidget(parent), title_(title), form_(new QFormLayout(this)) {}

void SettingPage::Place(const std::string& label, std::unique_ptr<PageItem> item) {
    if (label.empty()) {
        form_->addRow(item->Control());
    } else {
        form_->addRow(tk73::toQString(label), item->Control());
    }
    items_.push_back(std::move(item));
}

void SettingPage::AddRow(QWidget* widget) {
    form_->addRow(widget);
}

int SettingPage::Load(PgmMenuContext& context, int operation) {
    int all = 1;
    for (const auto& item : items_) {
        if (!item->Load(context, operation)) {
            all = 0;
        }
    }
    return all;
}

PageItem* SettingPage::FirstInvalid() const {
    for (const auto& item : items_) {
        if (item->Usable() && !item->IsValid()) {
            return item.get();
        }
    }
    return nullptr;
}

int SettingPage::Save(CPgmHandle& handle) {
    for (const auto& item : items_) {
        if (!item->Save(handle)) {
            return 0;
        }
    }
    return 1;
}

}  // namespace tk73editor
