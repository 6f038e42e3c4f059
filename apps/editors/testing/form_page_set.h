#pragma once
// The page sets of the form editors are PageSetDialogs; the start-up creates them as the page
// set windows they derive from.

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"

namespace tk73editortest {

inline std::unique_ptr<tk73editor::PageSetDialog> asFormPageSet(
    std::unique_ptr<tk73editor::PageSetWindow> window) {
    auto* dialog = dynamic_cast<tk73editor::PageSetDialog*>(window.get());
    if (dialog == nullptr) {
        return nullptr;
    }
    window.release();
    return std::unique_ptr<tk73editor::PageSetDialog>(dialog);
}

}  // namespace tk73editortest
