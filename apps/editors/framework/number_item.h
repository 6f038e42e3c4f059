#pragma once
// A digit or hexadecimal item shown in an edit field. A digit item may show decimal places: a
// price of 429 with two places shows "4.29", and "4.3" is stored as 430. The field takes only
// what the item can hold as it is typed: decimal digits (hexadecimal ones for a hexadecimal
// item), a point only where the item has decimal places, no more digits than its width. A range
// (the page's, else the definition's "ITEM_%03d_RANGE") is shown beside the field where the page
// placed the item, and as the field's tool tip; a number outside it is an invalid value that keeps
// the page from saving.

#include <QLabel>
#include <QLineEdit>

#include <cstdint>
#include <optional>

#include "apps/editors/framework/page_item.h"

namespace tk73editor {

class NumberItem : public PageItem {
  public:
    // Where the decimal places come from: none, or the item's "ITEM_%03d_MEAN".
    enum class Places { None, FromMeaning };

    NumberItem(QWidget* page, int menuNo, int itemNo, int record = 0, Places places = Places::None);

    QWidget* Control() override { return field_; }
    QWidget* Beside() override { return rangeNote_; }
    // The stored numbers the field accepts (inclusive); the definition's range, or every number
    // that fits the width, when not set.
    void SetRange(uint64_t lowest, uint64_t highest);
    bool IsValid() const override;
    void Highlight() override;

    // The number the text stands for, or nullopt when it holds none that fits the item.
    std::optional<uint64_t> Parse(const QString& text) const;

  protected:
    void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    QString Format(uint64_t value) const;

    QLineEdit* field_;
    // Shows the range once the item knows it; hidden without one.
    QLabel* rangeNote_;
    // Where the note was made; the page moves it into the field's row when it places it.
    QWidget* page_;
    Places places_;
    int decimals_ = 0;
    std::optional<std::pair<uint64_t, uint64_t>> range_;
};

}  // namespace tk73editor
