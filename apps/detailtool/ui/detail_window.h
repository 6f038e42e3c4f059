#pragma once
// The main dialog of the detail tool, "Detail setting": the store's program files in the
// definition's order with their titles, icon titles and whether their icons show; a pop-up menu
// per file; "Send" and "Receive" open the file selection for the transfer.

#include <QDialog>

#include <vector>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/file_rows.h"

class QMenu;
class QTreeWidget;

namespace tk73dtl {

class ProgramEndWatch;

class DetailWindow : public QDialog {
  public:
    explicit DetailWindow(DetailContext context, QWidget* parent = nullptr);

    QTreeWidget* Files() const { return files_; }
    const DetailContext& Context() const { return context_; }

    // The pop-up menu of the file (owned by the caller).
    QMenu* FileMenu(int fileNo);
    // OPEN: the data editor on the file, as a program of its own; nothing for a data file. The
    // editor takes the front; when it ends, the tool takes it back (front_window.h).
    void Open(int fileNo);
    // Reads the list again from the definition copy.
    void Reload();

  private:
    int FileNoOf(int row) const;
    void WriteData(int fileNo);
    void ReadFromDatabase(int fileNo);
    void ReadFromFile(int fileNo);
    void ShowTarget(int fileNo);
    void SelectFiles(bool receive);

    DetailContext context_;
    std::vector<FileRow> rows_;
    QTreeWidget* files_;
    ProgramEndWatch* editors_;
};

}  // namespace tk73dtl
