#pragma once
// The buttons above the grid for files that the definitions offer for exchange: "Write data"
// (the file as the grid shows it, to a CSV file or to a spreadsheet) and "Read data" (an import
// into it, from another store's database, from a CSV file or, through the preview of its
// changes, from a spreadsheet). Both work on a copy of the image in the temporary
// folder: an export writes what the user sees, unsaved edits included, and an import lands in the
// grid as unsaved edits, so the file itself changes only when the user saves.

#include <QWidget>

#include <functional>
#include <string>

#include "apps/dataeditor/editor_start.h"
#include "apps/dataeditor/program_document.h"

namespace tk73edit {

class DataExchangeBar : public QWidget {
  public:
    struct Hooks {
        std::function<void()> commitEdit;     // writes an open in-place edit to the document
        std::function<void()> imageReplaced;  // after an import took a new image
    };

    // Null when the file is neither an export nor an import file.
    static DataExchangeBar* Create(const StartContext& context, ProgramDocument& document,
                                   Hooks hooks, QWidget* parent);

    // The commands, as the buttons run them.
    void WriteData();
    void WriteSpreadsheet();
    void ReadFromDatabase();
    void ReadFromCsvFile();
    void ReadFromSpreadsheet();

  private:
    DataExchangeBar(const StartContext& context, ProgramDocument& document, Hooks hooks,
                    bool exportFile, bool importFile, QWidget* parent);
    // The copy of the image for the exchange; empty, after telling the user, when it cannot be
    // written.
    std::string WriteCopy();
    // Takes an imported copy into the document when the import succeeded; removes the copy.
    void TakeImport(bool imported, const std::string& copy);

    const StartContext& context_;
    ProgramDocument& document_;
    Hooks hooks_;
};

}  // namespace tk73edit
