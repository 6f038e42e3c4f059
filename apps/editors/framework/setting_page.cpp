#include "apps/editors/framework/setting_page.h"

#include <QHBoxLayout>

#include "base/ui/ui_text.h"

namespace tk73editor {

SettingPage::SettingPage(const std::string& title, QWidget* parent)
    : QWidget(parent), title_(title), form_(new QFormLayout(this)) {}

void SettingPage::Place(const std::string& label, std::unique_ptr<PageItem> item) {
    QWidget* shown = item->Control();
    if (QWidget* beside = item->Beside()) {
        shown = new QWidget(this);
        auto* row = new QHBoxLayout(shown);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(item->Control());
        row->addWidget(beside);
        row->addStretch();
        // The label's mnemonic and a click on it reach the control.
        shown->setFocusProxy(item->Control());
    }
    if (label.empty()) {
        form_->addRow(shown);
    } else {
        form_->addRow(tk73::toQString(label), shown);
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
