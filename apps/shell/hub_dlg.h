#pragma once
// The main window: one fixed-size window in the layout of the user mode, with a button per row
// of the layout's table, the group headers, the document of what is loaded, and the flows that
// the buttons start: launching the editors and tools, New, Open, Save, Save As, Help, Exit, and
// the query whether to save changed settings before they are discarded.

#include <QDialog>
#include <QPixmap>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "apps/shell/hub_document.h"
#include "apps/shell/launch_job.h"
#include "apps/shell/layout_extras.h"
#include "apps/shell/tool_table.h"
#include "storedb/edb_records.h"

class QAbstractButton;

namespace tk73 {
class ActivationEndpoint;
}

namespace tk73hub {

class CHubApp;

class CHubDlg : public QDialog, public HubDocumentView {
    Q_OBJECT

  public:
    // archiveFile: the file the command line named; empty for the automatic Open.
    CHubDlg(CHubApp& app, HubLayout layout, std::string archiveFile);
    ~CHubDlg() override;

    // Builds the window's face: title, icons, size, headers, buttons in the state of the
    // document, the layout's extras; then presses the first row's button once the window runs.
    // False when the layout's extras cannot be made: the window must end with -1.
    bool InitDialog();
    // The layout's extras go before the window (the pro layout's store bar).
    void CloseExtras();

    CHubApp& App() const { return app_; }
    HubLayout Layout() const { return layout_; }
    CHubDocument& Document() { return document_; }
    // The button of a control, null when the layout has none.
    QAbstractButton* Button(int controlId) const;
    // The store the window works on: the bar's in the pro layout, else the working store.
    int CurrentStore() const;
    const MODEL_EDB& RegisterModel() const { return registerModel_; }
    const MODEL_EDB& VekModel() const { return vekModel_; }
    // The models of the store that an opened archive made.
    void SetModels(const MODEL_EDB& registerModel, const MODEL_EDB& vekModel);
    bool IsLaunching() const { return launch_.Running(); }
    // The archive file the command line named, which Open loads in its place.
    const std::string& ArchiveFile() const { return archiveFile_; }
    // The layout's additions; null for the default layout.
    LayoutExtras* Extras() const { return extras_.get(); }

    // What pressing a row's button does.
    void PressTool(const ToolRow& row);
    // Starts the row's program and waits for it with the window hidden.
    bool LaunchProgram(const ToolRow& row);
    // New: the query, the choice of models, the working store made afresh.
    void OnFileNew();
    // The query before discarding; false when the caller must stop.
    bool QueryDiscard();
    // Exit and the close box: the query, then the window ends with 1.
    void OnExit();
    void OnHelp();
    void OnAbout();
    // State 3 and a program file of the current store written after the last time.
    bool IsModified() const;

    // HubDocumentView
    void ShowTitle(const std::string& title) override;
    void EnableForState(int state) override;

    // The window's title, the caption of its messages.
    std::string Caption() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Tool {
        const ToolRow* row;
        QAbstractButton* button;
    };

    void BuildTools();
    void PlaceHeaders();
    // Tab walks the window's controls in reading order, as the user sees them.
    void OrderTabs();
    // Answers a raise request of a second start (on the endpoint's thread).
    bool RaiseRequested();

    CHubApp& app_;
    HubLayout layout_;
    std::string archiveFile_;
    CHubDocument document_;
    std::vector<Tool> tools_;
    MODEL_EDB registerModel_;
    MODEL_EDB vekModel_;
    LaunchJob launch_;
    std::unique_ptr<LayoutExtras> extras_;
    QPixmap ground_;
    std::atomic<bool> shown_{false};
    std::unique_ptr<tk73::ActivationEndpoint> endpoint_;
};

}  // namespace tk73hub
