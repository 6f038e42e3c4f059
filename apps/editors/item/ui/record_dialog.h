#pragma once
// The record dialog: one record of a page set as a page of the framework, under the set's
// title, with Restore defaults, OK and Cancel (page_set_dialog.h). It shows the record's memory
// number (and a scanning PLU's code, which only the Add dialog sets) and one control per item
// the definition gives the set's menu, in item order, leaving out the items whose field is not
// displayed and the scanning code and age, which the editor keeps itself.
//
// A scanning code that the Add dialog placed is registered by the dialog's OK, before the
// record's values are written, so that Cancel leaves the files as they were. A reused record
// shows blank values, which is what it holds once its former article is gone.
//
// The controls:
//
//   text item                        an edit field of the item's width
//   mark (bit)                       a check box
//   item with kinds                  a drop-down list of the kinds
//   number with a value list only    a drop-down list of the numbers
//   other numbers                    an edit field, with the item's decimal places

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"
#include "apps/editors/item/scanning_registration.h"

namespace tk73item {

// A scanning code placed in a record but not registered yet.
struct CodeToRegister {
    std::string code;    // as stored
    bool reuse = false;  // the record is the oldest one, whose former article goes
    ScanningRegistration* registration = nullptr;
};

// The record dialog. When its OK finds a value that another record of the file must not share,
// and the user chooses to go to that record, the dialog ends without saving and names it.
class RecordDialog : public tk73editor::PageSetDialog {
  public:
    RecordDialog(tk73editor::PgmMenuContext& context, const std::string& title, QWidget* parent)
        : PageSetDialog(context, title, parent, Front::Keep) {}

    // The record the user chose to go to; 0 for none.
    int RecordToGoTo() const { return goTo_; }

  protected:
    void GoToRecord(int record) override {
        goTo_ = record;
        reject();
    }

  private:
    int goTo_ = 0;
};

// newCode: the code the record takes on OK; null for a record that keeps its code.
std::unique_ptr<RecordDialog> MakeRecordDialog(tk73editor::PgmMenuContext& context,
                                               const ItemPageSet& set, const MenuItems& items,
                                               int record, QWidget* parent,
                                               const CodeToRegister* newCode = nullptr);

}  // namespace tk73item
