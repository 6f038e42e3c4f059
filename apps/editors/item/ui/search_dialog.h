#pragma once
// The "Search" dialog of the item lists. It stays open beside the list while the user finds one
// record after another:
//
//   ( ) "Memory Jump(&J)"     "Memory number(&M):" [     ]
//   ( ) "Search Name(&S)"     "Search string(&N):" [     ]
//       [ ] "Case sensitive(&C)"     Direction ( ) "Backward(&U)" ( ) "Forward(&D)"
//                                            ["Find Next(&F)"] ["Cancel"]
//
// The scanning PLU list has its own dialog of the same build: its jump goes to a record by its
// scanning code ("Code Jump(&J)", "Scanning code(&M):", at most 13 characters).

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <string>

#include "apps/editors/item/record_search.h"

namespace tk73item {

struct SearchRequest {
    bool jump = true;
    std::string jumpText;  // the memory number or the scanning code as typed
    NameSearch name;
};

class SearchDialog : public QDialog {
  public:
    enum class Jump { MemoryNumber, ScanningCode };
    using FindNext = std::function<void(const SearchRequest&)>;

    SearchDialog(Jump jump, FindNext findNext, QWidget* parent);

    QRadioButton* JumpOption() const { return jumpOption_; }
    QRadioButton* NameOption() const { return nameOption_; }
    QLineEdit* JumpField() const { return jumpField_; }
    QLineEdit* NameField() const { return nameField_; }
    QCheckBox* CaseBox() const { return caseBox_; }
    QRadioButton* BackwardOption() const { return backward_; }
    QRadioButton* ForwardOption() const { return forward_; }
    QPushButton* FindNextButton() const { return findNextButton_; }

    SearchRequest Request() const;

  private:
    void UpdateControls();

    QRadioButton* jumpOption_;
    QRadioButton* nameOption_;
    QLineEdit* jumpField_;
    QLineEdit* nameField_;
    QCheckBox* caseBox_;
    QRadioButton* backward_;
    QRadioButton* forward_;
    QPushButton* findNextButton_;
};

}  // namespace tk73item
