#pragma once
// The shell's CSV buttons.

namespace tk73hub {

class CHubDlg;

// Import CSV: the CSV import of the current store's register and, once a file was imported,
// the merge of the controller's and the register's settings of the store.
void OnFileCsvImport(CHubDlg& window);
// Export CSV: the export of a program file of the current store's register.
void OnFileCsvExport();

}  // namespace tk73hub
