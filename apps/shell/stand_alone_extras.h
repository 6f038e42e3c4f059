#pragma once
// The stand-alone layout's "Register" menu: set, back up and restore how the working store's
// register (and controller) is reached.

#include "apps/shell/layout_extras.h"

namespace tk73hub {

class StandAloneExtras : public LayoutExtras {
  public:
    explicit StandAloneExtras(CHubDlg& window) : window_(window) {}

    bool Create() override { return true; }
    bool Handle(const ToolRow& row) override;
    int CurrentStore() const override;
    void Close() override {}

  private:
    CHubDlg& window_;
};

}  // namespace tk73hub
