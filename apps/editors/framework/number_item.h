#pragma once
// A digit or hexadecimal item shown in an edit field. A digit item may show decimal places: a
// price of 429 with two places shows "4.29", and "4.3" is stored as 430. The field accepts what
// the item can hold: no more digits than its width, within the page's range; anything else is an
// invalid value that keeps the page from saving.

#include <QLineEdit>

#include <cstdint>
#include <optional>

#include "apps/editors/framework/page_item.h"

namespace tk73editor {

class NumberItem : public PageItem {
  public:
    // Where the decimal places come from: none, or the item's "ITEM_%03d_MEAN".
    enum class Places { None, FromMeaning };

    NumberItem(int menuNo, int itemNo, int record = 0, Places places = Places::None);

    QWidget* Control() override { return field_; }
    // The stored numbers the field accepts (inclusive); every number that fits the width when
    // not set.
    void SetRange(uint64_t lowest, uint64_t highest);
    bool IsValid() const override;

    // The number the text stands for, or nullopt when it holds none that fits the item.
    std::optional<uint64_t> Parse(const QString& text) const;

  protected:
    void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    QString Format(uint64_t value) const;

    QLineEdit* field_;
    Places places_;
    int decimals_ = 0;
    std::optional<std::pair<uint64_t, uint64_t>> range_;
};

}  // namespace tk73editor
