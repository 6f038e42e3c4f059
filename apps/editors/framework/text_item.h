#pragma once
// A character item shown in an edit field. The field holds at most the item's width in bytes of
// the installation's code page, cut before a double-byte character that would not fit whole. A
// double quote would end the field in the program file, so a typed one becomes a blank, and the
// user is told so with "Can not enter ["], translate to white space." under the window's title.

#include <QLineEdit>

#include "apps/editors/framework/page_item.h"

namespace tk73editor {

class TextItem : public PageItem {
  public:
    TextItem(int menuNo, int itemNo, int record = 0);

    QWidget* Control() override { return field_; }

  protected:
    void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) override;
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    void TextEdited(const QString& text);

    QLineEdit* field_;
    size_t width_ = 0;
};

}  // namespace tk73editor
