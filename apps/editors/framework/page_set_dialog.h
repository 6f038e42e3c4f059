#pragma once
// A page set of pages: the pages of items under the set's title (page_set_window.h).
//
// - Opening reads every page from the maintenance files; a failure shows "Failed to read setting
//   file.".
// - Restore defaults asks "Restore defaults?" and on OK reads the current page again from the
//   default files. Nothing is written until OK.
// - OK refuses an invalid entry with "Invalid values.\nPlease set the correct value.", then asks
//   "Do you want to save the changes?"; on OK it writes the changed items. Success hands the
//   front back to the shell and ends the dialog with 1; a failed write shows "Failed to write
//   setting file." and the dialog stays open.
// - Cancel ends the dialog with 0 and writes nothing.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/framework/page_set_window.h"
#include "apps/editors/framework/setting_page.h"
#include "base/user_interaction.h"

namespace tk73editor {

class PageSetDialog : public PageSetWindow {
  public:
    PageSetDialog(PgmMenuContext& context, const std::string& title, QWidget* parent = nullptr,
                  Front front = Front::Take);

    // Adds an empty page; a set of one page shows no tabs.
    SettingPage& AddPage(const std::string& title);
    const std::vector<SettingPage*>& Pages() const { return pages_; }
    SettingPage* CurrentPage() const;

    // For page sets that never restore defaults.
    void HideRestoreDefaults();
    // Adds the "Help" button, which opens the tool manual.
    void AddHelpButton();
    // Places a widget under the pages, above the buttons: a note that holds for every page.
    void AddFooter(QWidget* widget);

    // Reads every page from the maintenance files; the start-up calls it before the dialog runs.
    // 1 when every item was read.
    int Open() override;
    // The Restore defaults button.
    void RestoreDefaults();
    // The OK button.
    void accept() override;

  protected:
    // Called once the user confirmed the save, before any page is written: a page set that must
    // write something of its own first does it here. 0 stops the save as a failed write.
    virtual int Saving() { return 1; }
    // Called once every page was written, before the front goes back to the shell: a page set
    // that must carry what it wrote elsewhere does it here.
    virtual void Saved() {}

  private:
    // Shows one of the framework's messages under the set's title.
    void Tell(EditorText text, tk73::MessageIcon icon);

    QTabWidget* tabs_;
    QVBoxLayout* layout_;
    QDialogButtonBox* buttons_;
    QPushButton* restoreButton_;
    std::vector<SettingPage*> pages_;
};

}  // namespace tk73editor
