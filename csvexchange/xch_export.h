#pragma once
// The CSV export of one program file of the current store. A program file is comma-separated
// text already, so the export is a copy under the name the user picks; file 92 instead writes
// the data integration file (xch_integration_file.h).

#include <string>

#include "storedb/edb_records.h"

class CTK73xchExport {
  public:
    // File number -1, the register.
    CTK73xchExport();
    // The current store. A file number other than -1 exports the file's shipped default copy;
    // -1 lets the user choose among the store's own files. isVek: the Vek controller's files.
    CTK73xchExport(int fileNo, int isVek);
    CTK73xchExport(int fileNo, const char* sourcePath, int isVek);

    // 1 when a file was written; 0 when the user cancelled.
    int ExportExecute();

  private:
    int Kind() const { return m_bVek ? 1 : 0; }
    // The store's definition file of the kind; empty when the store has none.
    std::string DefinitionFile() const;
    [[nodiscard]] int WriteIntegrationFile(const std::string& path) const;
    std::string RegisterCode() const;

    int m_nStoreNo;
    int m_nFileNo;
    std::string m_sourcePath;
    STORE_EDB m_store;
    MODEL_EDB m_model;
    bool m_bVek;
    // When the export was prepared: both stamps of the data integration file.
    std::string m_stamp;
};
