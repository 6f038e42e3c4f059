#pragma once
// The frame of the data editor: the grid over the document, the menus "File" (Close, Save, Exit),
// "Edit" (Cut, Copy, Paste, Paste rectangle, the entry dialog for the record or for every
// record, Search..., Zoom up) and "Help" (Help File), a toolbar of eight buttons, the grid's
// context menu ("Copy field", "Copy record") and a status bar with the store, the machine type,
// the file name, the place of the cursor and the "APPEND" indicator of insert editing.
//
// Messages and questions go through the user-interaction seam under the application title.

#include <QMainWindow>

#include <optional>
#include <string>

#include "apps/dataeditor/editor_start.h"
#include "apps/dataeditor/field_clip.h"
#include "apps/dataeditor/program_document.h"
#include "apps/dataeditor/window_placement.h"

class QAction;
class QLabel;

namespace tk73edit {

class DataGridModel;
class DataGridView;

class DataEditorWindow : public QMainWindow {
    Q_OBJECT

  public:
    DataEditorWindow(const StartContext& context, const WindowPlacement& placement);
    ~DataEditorWindow() override;

    // Opens the document; false (after "Not found edit field." or the read error) when it
    // cannot be shown.
    bool OpenDocument();
    // Shows the window where the placement says, on a screen (placementOnScreens).
    void ShowPlaced();

    ProgramDocument& Document() { return document_; }
    DataGridView* Grid() const { return grid_; }
    // The placement as it stands (what is written to the registry when the window goes).
    WindowPlacement Placement() const;

    // The commands, as the menus and the toolbar run them.
    bool Save();
    void Cut();
    void Copy();
    void Paste();
    void PasteRectangle();
    void CopyField();
    void CopyRecord();
    void Search();
    void EnterRecord();
    void EnterAllRecords();
    void ToggleZoom();

    QAction* Action(const QString& text) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildStatusBar();
    void ShowPosition(int row, int field);
    // Writes the item's text over the field in the record, as a paste does.
    void PasteInto(int row, int field, const FieldClip& clip);
    // Whether the current field takes a paste of the item; tells the user why not.
    bool AcceptsFieldClip(const FieldClip& clip) const;
    // The record values of the item when every field can take them; tells the user why not.
    std::optional<std::vector<std::string>> RecordClipValues(const FieldClip& clip) const;
    // The range of "Select range Paste"; false when cancelled.
    bool AskRange(int& first, int& last);
    void Refresh(int firstRow, int lastRow);
    void Message(const std::string& text, int icon) const;
    std::string FileName() const;

    StartContext context_;
    WindowPlacement placement_;
    ProgramDocument document_;
    DataGridModel* model_ = nullptr;  // the grid's
    DataGridView* grid_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* append_ = nullptr;
    std::string lastSearch_;
    bool lastForward_ = true;
    bool placementSaved_ = false;
};

}  // namespace tk73edit
