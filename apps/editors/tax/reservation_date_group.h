#pragma once
// The group "Date of changing TAX Table": "No programmed" or "Programmed" with a date picker,
// which is enabled only while "Programmed" is chosen.

#include <QDateEdit>
#include <QGroupBox>
#include <QRadioButton>

#include <functional>

namespace tk73tax {

class ReservationDateGroup : public QGroupBox {
  public:
    explicit ReservationDateGroup(QWidget* parent);

    // Called whenever the choice or the date changes, by the user or by the calls below.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

    void ShowProgrammed(const QDate& date);
    void ShowNotProgrammed(const QDate& today);
    // Without a reservation date in the definition neither choice can be made.
    void SetAvailable(bool available);

    bool Programmed() const { return programmed_->isChecked(); }
    QDate Date() const { return picker_->date(); }
    QRadioButton* NotProgrammedButton() const { return notProgrammed_; }
    QDateEdit* Picker() const { return picker_; }

  private:
    void Changed();

    QRadioButton* notProgrammed_;
    QRadioButton* programmed_;
    QDateEdit* picker_;
    std::function<void()> changed_;
};

}  // namespace tk73tax
