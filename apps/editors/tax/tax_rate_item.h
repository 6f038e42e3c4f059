#pragma once
// A tax rate in an edit field. The file holds the rate times 10 000 (four decimal places); the
// field shows it with exactly four decimals (80000 shows as "8.0000", a rate below 1 as
// "0.xxxx") and takes at most four integer digits, a point and four decimals: nothing else can be
// typed into it.

#include <QLineEdit>

#include <cstdint>
#include <optional>

#include "apps/editors/framework/page_item.h"

namespace tk73tax {

class TaxRateItem : public tk73editor::PageItem {
  public:
    TaxRateItem(QWidget* page, int menuNo, int itemNo, int record);

    QWidget* Control() override { return field_; }
    bool IsValid() const override;

    // The stored number a typed rate stands for; nullopt for a text that is no rate.
    static std::optional<uint64_t> Parse(const QString& text);
    static QString Format(uint64_t value);

    // Shows the value last read again, after the user typed one that cannot be stored.
    void ShowReadValueAgain();

  protected:
    void Prepare(tk73editor::PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    QLineEdit* field_;
    uint64_t shown_ = 0;
    uint64_t largest_ = 0;
};

}  // namespace tk73tax
