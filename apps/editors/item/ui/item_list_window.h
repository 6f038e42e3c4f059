#pragma once
// The window of an item editor page set: the set's records as a list under the set's title,
// with the buttons that work on them:
//
//   "Edit"       the record dialog of the selected record (a double click does the same); OK
//                writes the record, which is then copied to the controller and stamps the
//                menu update as records_written.h says; Cancel reads the record again
//   "Search"     the search dialog: memory jump (a scanning code on the scanning PLU list) and
//                name search
//   "Add"        scanning PLU list: places a scanning code (scanning_registration.h) and
//                opens its record dialog, whose OK registers the code with the record's values;
//                Cancel leaves the files as they were
//   "Clear NFP"  PLU list of a model with NFP marks: clears them all after the question
//   "Close"      ends the page set; the front goes back to the shell
//
// Every message shows the set's title as its caption.

#include <QPushButton>
#include <QTableView>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apps/editors/framework/page_set_window.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/menu_items.h"
#include "apps/editors/item/record_search.h"
#include "apps/editors/item/scanning_registration.h"
#include "apps/editors/item/ui/record_dialog.h"
#include "apps/editors/item/ui/record_list_model.h"
#include "apps/editors/item/ui/search_dialog.h"
#include "base/user_interaction.h"

namespace tk73item {

class ItemListWindow : public tk73editor::PageSetWindow {
  public:
    ItemListWindow(tk73editor::PgmMenuContext& context, const ItemPageSet& set,
                   QWidget* parent = nullptr);
    ~ItemListWindow() override;

    // Resolves the set's items and reads the list; "Failed to read setting file." when the
    // records cannot be read.
    [[nodiscard]] int Open() override;

    const ItemPageSet& Set() const { return set_; }
    const MenuItems& Items() const { return items_; }
    QTableView* List() const { return list_; }
    RecordListModel* Model() const { return model_; }
    // The search dialog once it was opened, else null.
    SearchDialog* Search() const { return search_; }
    QPushButton* AddButton() const { return addButton_; }
    QPushButton* ClearNfpButton() const { return clearNfpButton_; }

    // The selected record, 0 when none.
    int SelectedRecord() const;
    void SelectRecord(int record);

    // The buttons' work. newCode: the scanning code the record takes on OK (Add).
    void EditRecord(int record, const CodeToRegister* newCode = nullptr);
    void ShowSearch();
    void FindNext(const SearchRequest& request);
    void AddScanningCode();
    void ClearNfp();
    // The Add dialog's OK: checks and places the typed code; true when the dialog may close.
    [[nodiscard]] bool PlaceScanningCode(const std::string& typed);

  private:
    void SetUpList();
    void SizeColumns();
    void UpdateButtons();
    void JumpToCode(const std::string& typed);
    // The copy to the controller and the menu update stamp after the records were written.
    void RecordsWritten(const std::vector<int>& records);
    // OK/Cancel; a question whose OK reuses or clears records presets Cancel, so that Enter
    // alone never loses data.
    [[nodiscard]] bool Confirm(const std::string& question, tk73::Button preset) const;

    const ItemPageSet& set_;
    int storeNo_ = 0;
    MenuItems items_;
    std::unique_ptr<RecordSearch> searcher_;
    std::unique_ptr<ScanningRegistration> registration_;
    RecordListModel* model_ = nullptr;
    QTableView* list_;
    QPushButton* editButton_;
    QPushButton* searchButton_;
    QPushButton* addButton_ = nullptr;
    QPushButton* clearNfpButton_ = nullptr;
    SearchDialog* search_ = nullptr;
    // The record the Add dialog handed over for editing, and the code it takes there when it is
    // not registered yet.
    std::optional<int> added_;
    std::optional<CodeToRegister> newCode_;
};

}  // namespace tk73item
