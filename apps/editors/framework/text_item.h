#pragma once
// A character item shown in an edit field. The field holds at most the item's width in bytes of
// the installation's code page, cut before a double-byte character that would not fit whole.
// A double quote, which would end the field in the program file, becomes a blank as it is typed
// or pasted ("Can not enter ["], translate to white space."); a character the code page cannot
// hold, which the register could not print and the file would keep as "?", is refused ("Can not
// enter [%s], the register cannot print it."), the text before and after it staying as the user
// typed it. Either note shows at the field without taking the focus, so typing goes on.

#include <QLineEdit>

#include "apps/editors/framework/page_item.h"
#include "base/ui/printable_text.h"

namespace tk73editor {

class TextItem : public PageItem {
  public:
    TextItem(QWidget* page, int menuNo, int itemNo, int record = 0);

    QWidget* Control() override { return field_; }
    void Highlight() override;

  protected:
    void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    void TextEdited();

    QLineEdit* field_;
    size_t width_ = 0;
    tk73::CodePageCharacters codePage_;
};

}  // namespace tk73editor
