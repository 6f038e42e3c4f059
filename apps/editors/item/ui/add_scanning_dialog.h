#pragma once
// The "Add" dialog of the scanning PLU list: one code field of at most 13 characters; OK is
// enabled only while the field is not empty. OK hands the typed code to the list, which checks
// and places it and answers whether the dialog may close (it stays open after an invalid code or
// a question answered Cancel).

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <string>

namespace tk73item {

class AddScanningDialog : public QDialog {
  public:
    using Place = std::function<bool(const std::string& typed)>;

    AddScanningDialog(Place place, QWidget* parent);

    QLineEdit* CodeField() const { return code_; }
    QPushButton* OkButton() const { return ok_; }

    void accept() override;

  private:
    Place place_;
    QLineEdit* code_;
    QPushButton* ok_;
};

}  // namespace tk73item
