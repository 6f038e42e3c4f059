#pragma once
// "To spreadsheet..." and "From spreadsheet..." of the data editor, on the copy of the grid's
// image that the data exchange works on: the file as a one-sheet workbook, and a spreadsheet
// read into the copy once the user has seen and accepted the preview of its changes.

#include <string>

#include "apps/dataeditor/editor_start.h"

class QWidget;

namespace tk73edit {

// Asks where to write the workbook and writes it; a failure is told to the user.
void writeSpreadsheet(const StartContext& context, const std::string& copy);

// Asks for the spreadsheet file, shows the preview and, when the user accepts it, writes the
// changes into the copy. true when the copy changed.
bool readSpreadsheet(const StartContext& context, const std::string& copy, QWidget* parent);

}  // namespace tk73edit
