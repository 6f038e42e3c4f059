#pragma once
// What a layout adds to the main window beyond its buttons: the pro layout's store bar, "System"
// menu and default program file copies, the stand-alone layout's "Register" menu.

#include <memory>

#include "apps/shell/tool_table.h"

namespace tk73hub {

class CHubDlg;

class LayoutExtras {
  public:
    virtual ~LayoutExtras() = default;
    // After the buttons are made; false ends the window with -1.
    virtual bool Create() = 0;
    // Handles a row's command that belongs to the layout; false for the others.
    virtual bool Handle(const ToolRow& row) = 0;
    // After the rows' buttons were enabled for the document state: may disable those the
    // layout's own condition rules out.
    virtual void RestrictEnabled() {}
    // The store the window works on.
    virtual int CurrentStore() const = 0;
    // Before the window goes.
    virtual void Close() = 0;
};

// Null for a layout without extras.
std::unique_ptr<LayoutExtras> CreateLayoutExtras(CHubDlg& window, HubLayout layout);

}  // namespace tk73hub
