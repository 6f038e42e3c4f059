#pragma once
// A page set of pages: the pages of items under the set's title (page_set_window.h).
//
// - Opening reads every page from the maintenance files; a failure shows "Failed to read setting
//   file.".
// - Restore defaults asks "Restore defaults?" and on OK reads the current page again from the
//   default files. Nothing is written until OK.
// - OK refuses an invalid entry with "Invalid values.\nPlease set the correct value." followed
//   by the item's title, with the cursor in the item and its value selected. It then refuses a
//   value that must differ from record to record (PageItem::UniqueNameItem) when another record
//   of the file holds it, names that record and offers to go to it. Then it asks "Do you want to
//   save the changes?"; on OK it writes the changed items. Success hands the front back to the
//   shell and ends the dialog with 1; a failed write shows "Failed to write setting file." and
//   the dialog stays open.
// - Cancel ends the dialog with 0 and writes nothing.
// - Ctrl+Z and Ctrl+Y undo and redo the user's changes since the set opened (or since the
//   defaults were restored), one item at a time: a run of keystrokes in one field is one step.

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

#include "programfiles/pgm_item_def.h"

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
    // Adds the "Help" button, which opens the tool manual (storedb/ui/manual_window.h).
    void AddHelpButton();
    // Places a widget under the pages, above the buttons: a note that holds for every page.
    void AddFooter(QWidget* widget);

    // Reads every page from the maintenance files; the start-up calls it before the dialog runs.
    // 1 when every item was read.
    [[nodiscard]] int Open() override;
    // The Restore defaults button.
    void RestoreDefaults();
    // The OK button.
    void accept() override;

    // Shows "Invalid values.\nPlease set the correct value." naming the item, on its page with
    // its value selected (with the icon the page set's messages carry).
    void TellInvalid(PageItem& item, tk73::MessageIcon icon = tk73::MessageIcon::None);
    // Undoes or redoes the user's last change or last undone change; false when there is none.
    [[nodiscard]] bool Undo();
    [[nodiscard]] bool Redo();

  protected:
    // Called once the user confirmed the save, before any page is written: a page set that must
    // write something of its own first does it here. 0 stops the save as a failed write.
    [[nodiscard]] virtual int Saving() { return 1; }
    // Called once every page was written, before the front goes back to the shell: a page set
    // that must carry what it wrote elsewhere does it here.
    virtual void Saved() {}
    // The user chose to go to a record that this set does not show; a set inside a list of
    // records goes there.
    virtual void GoToRecord(int record) {}

    [[nodiscard]] bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // One change of one item, as the history keeps it.
    struct Change {
        PageItem* item;
        tagPGMITEMDATA before;
        tagPGMITEMDATA after;
    };

    // Shows one of the framework's messages under the set's title.
    void Tell(EditorText text, tk73::MessageIcon icon);
    // Brings the item's page to the front and puts the cursor in the item.
    void ShowItem(PageItem& item);
    // The item of the set that shows the record's value of the menu item, or null.
    PageItem* FindItem(int menuNo, int itemNo, int record) const;
    // The first value that must differ from record to record and that another record holds: the
    // message names the other record and may go there. false when a value stops the save.
    [[nodiscard]] bool CheckUnique();
    // The record other than the item's own that holds the value (as the set would save it), or
    // -1 (also when the file cannot be read: the write that follows reports that).
    [[nodiscard]] int RecordHolding(const PageItem& item, const tagPGMITEMDATA& value);
    // The record's value of the menu item that names it, as the set would save it (the shown one
    // when the set shows it, else the file's) and as a message shows it; empty when unknown.
    std::string RecordName(int menuNo, int itemNo, int record);
    void Edited(PageItem& item, const tagPGMITEMDATA& before);
    void ListenToEdits();
    bool HandleUndoKeys(QKeyEvent* event);

    std::vector<Change> history_;
    // How many changes of the history are in effect; those after it were undone.
    size_t done_ = 0;
    bool replaying_ = false;

    QTabWidget* tabs_;
    QVBoxLayout* layout_;
    QDialogButtonBox* buttons_;
    QPushButton* restoreButton_;
    std::vector<SettingPage*> pages_;
};

}  // namespace tk73editor
