#pragma once
// An item shown as a choice among entries, as a drop-down list or as a group of option buttons.
// Entry i stands for value i of the item's value list: "ITEM_%03d_VALUE" of its menu when the
// definition has one, else the page's built-in list. Entries without a value are left out. A
// stored value that no entry stands for shows no entry chosen and stays as it is until the user
// chooses one.

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>

#include <string>
#include <vector>

#include "apps/editors/framework/page_item.h"

namespace tk73editor {

class ChoiceItem : public PageItem {
  public:
    enum class Style { DropDown, Options };

    ChoiceItem(QWidget* page, Style style, std::vector<std::string> entries,
               std::vector<int> builtInValues, int menuNo, int itemNo, int record = 0);

    QWidget* Control() override { return control_; }
    // Options without the frame around them, for forms and grids where frames would crowd.
    void SetFrameless();
    // A chosen entry must stand for a value a file can hold (lists may name negative numbers).
    bool IsValid() const override;
    // The values the entries stand for, once the item is resolved.
    const std::vector<int>& Values() const { return values_; }

  protected:
    // The button of an entry in the options style (null in a drop-down list, or for an entry
    // that is not shown).
    QAbstractButton* OptionButton(int entry) const;
    // The entry chosen now, -1 for none.
    int ChosenEntry() const;
    void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    void ChooseEntry(int entry);

    Style style_;
    std::vector<std::string> entries_;
    std::vector<int> values_;
    QWidget* control_ = nullptr;
    QComboBox* list_ = nullptr;
    QButtonGroup* options_ = nullptr;
};

}  // namespace tk73editor
