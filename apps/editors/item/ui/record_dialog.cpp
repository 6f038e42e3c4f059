#include "apps/editors/item/ui/record_dialog.h"

#include <QFormLayout>
#include <QLabel>

#include <string>
#include <vector>

#include "apps/editors/framework/check_item.h"
#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/number_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/item/ui/item_texts.h"
#include "base/ui/ui_text.h"

namespace tk73item {

namespace {

using tk73editor::SettingPage;

void addItem(SettingPage& page, tk73editor::PgmMenuContext& context, const ItemPageSet& set,
             const MenuItem& item, int record) {
    const int menu = set.menuNo;
    const int number = item.itemNo;
    switch (item.def.nDataType) {
        case PGM_DATA_CHAR:
            page.Add<tk73editor::TextItem>(item.label, menu, number, record);
            return;
        case PGM_DATA_BIT:
            page.Add<tk73editor::CheckItem>("", item.label, menu, number, record);
            return;
        default:
            break;
    }
    if (item.meaning != nullptr && !item.meaning->kinds.empty()) {
        page.Add<tk73editor::ChoiceItem>(item.label, tk73editor::ChoiceItem::Style::DropDown,
                                         item.meaning->kinds, item.meaning->builtInValues, menu,
                                         number, record);
        return;
    }
    std::vector<int> values;
    if (context.GetValueList(menu, number, values)) {
        std::vector<std::string> entries;
        for (const int value : values) {
            entries.push_back(std::to_string(value));
        }
        page.Add<tk73editor::ChoiceItem>(item.label, tk73editor::ChoiceItem::Style::DropDown,
                                         entries, values, menu, number, record);
        return;
    }
    page.Add<tk73editor::NumberItem>(item.label, menu, number, record,
                                     item.def.nMean > 0
                                         ? tk73editor::NumberItem::Places::FromMeaning
                                         : tk73editor::NumberItem::Places::None);
}

// The rows above the items: the record's memory number, and the code of a scanning PLU (the
// new one when the record takes one).
void addRecordRows(SettingPage& page, tk73editor::PgmMenuContext& context, const ItemPageSet& set,
                   const MenuItems& items, int record, const CodeToRegister* newCode) {
    auto* form = static_cast<QFormLayout*>(page.layout());
    form->addRow(itemQText(ItemText::MemoryNumberLabel), new QLabel(QString::number(record)));
    const MenuItem* code = items.Find(set.codeItem);
    if (code == nullptr) {
        return;
    }
    std::string shown;
    if (newCode != nullptr) {
        shown = newCode->code;
    } else {
        char text[64] = {};
        tagPGMITEMDEF def = code->def;
        if (!context.Handle().ReadItem(&def, record, text, sizeof(text))) {
            return;
        }
        shown = text;
    }
    form->addRow(itemQText(ItemText::ScanningCodeLabel), new QLabel(tk73::toQString(shown)));
}

// The record dialog of a record that takes a new scanning code.
class NewCodeDialog : public RecordDialog {
  public:
    NewCodeDialog(tk73editor::PgmMenuContext& context, const std::string& title, int record,
                  const CodeToRegister& newCode, QWidget* parent)
        : RecordDialog(context, title, parent), record_(record), newCode_(newCode) {}

    int Open() override {
        const int read = RecordDialog::Open();
        if (newCode_.reuse) {
            for (SettingPage* page : Pages()) {
                for (const auto& item : page->Items()) {
                    item->ShowBlank();
                }
            }
        }
        return read;
    }

  protected:
    int Saving() override {
        return newCode_.registration->Register(record_, newCode_.code, newCode_.reuse);
    }

  private:
    int record_;
    CodeToRegister newCode_;
};

}  // namespace

std::unique_ptr<RecordDialog> MakeRecordDialog(tk73editor::PgmMenuContext& context,
                                               const ItemPageSet& set, const MenuItems& items,
                                               int record, QWidget* parent,
                                               const CodeToRegister* newCode) {
    std::unique_ptr<RecordDialog> dialog;
    if (newCode != nullptr) {
        dialog = std::make_unique<NewCodeDialog>(context, set.title, record, *newCode, parent);
    } else {
        dialog = std::make_unique<RecordDialog>(context, set.title, parent);
    }
    SettingPage& page = dialog->AddPage(set.title);
    addRecordRows(page, context, set, items, record, newCode);
    for (const MenuItem& item : items.items) {
        if (item.displayed && item.itemNo != set.codeItem && item.itemNo != set.ageItem) {
            addItem(page, context, set, item, record);
        }
    }
    return dialog;
}

}  // namespace tk73item
