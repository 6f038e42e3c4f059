#pragma once
// "Graphic Logo/POP": the logos the register model defines, with their sizes. Edit opens the
// editing page of the selected logo; Save to SD card writes its bitmap to the card; OK converts
// every chosen bitmap into its logo file and closes, handing the front back to the shell.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "apps/editors/framework/page_set_window.h"
#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/logo_library.h"
#include "apps/logoeditor/logo_place.h"
#include "apps/logoeditor/print_image.h"

class QDialogButtonBox;
class QTreeWidget;

namespace tk73logo {

class LogoEditingDialog;

class LogoListWindow : public tk73editor::PageSetWindow {
  public:
    explicit LogoListWindow(tk73editor::PgmMenuContext& context);

    // Reads the logos of the definition into the list. 0 when the list cannot be filled.
    [[nodiscard]] int Open() override;

    const std::vector<LogoEntry>& Entries() const { return entries_; }
    // The conversion library to use from now on (tests give one that is not there).
    void UseLibrary(LogoLibrary library) { library_ = std::move(library); }

    // The editing page of a row, as Edit opens it.
    std::unique_ptr<LogoEditingDialog> EditingPage(int row);
    // Takes what the editing page of the row ended with.
    void Apply(int row, const LogoEditingDialog& page);
    // Save to SD card for a row.
    void SaveToCard(int row);
    // OK: converts the chosen bitmaps, file by file. True when all converted; the window then
    // closes.
    bool Convert();

  private:
    void edit();
    PrintImage imageOf(const LogoEntry& entry) const;
    int selectedRow() const;

    LogoLibrary library_;
    LogoPlace place_;
    std::vector<LogoEntry> entries_;
    std::vector<std::string> previews_;  // per row: the previewed bitmap of the chosen one
    std::map<int, PrintImage> images_;   // per logo file, as last edited
    QTreeWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace tk73logo
