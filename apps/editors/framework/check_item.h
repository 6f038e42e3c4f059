#pragma once
// An item shown by a check box: a bit, or a digit that is 0 or 1. A stored value that is neither
// shows unchecked and stays as it is until the box is clicked.

#include <QCheckBox>

#include "apps/editors/framework/page_item.h"

namespace tk73editor {

class CheckItem : public PageItem {
  public:
    CheckItem(QWidget* page, const std::string& label, int menuNo, int itemNo, int record = 0);

    QWidget* Control() override { return box_; }

  protected:
    void Show(const tagPGMITEMDATA& value) override;
    tagPGMITEMDATA Collect() const override;

  private:
    QCheckBox* box_;
};

}  // namespace tk73editor
