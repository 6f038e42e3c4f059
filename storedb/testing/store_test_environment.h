#pragma once
// A private installation and store database for the tests of the store database and of the
// libraries built on it. The machine settings point every folder into a temporary folder, where
// the environment writes a model list ("TK73TOOL.ini") with two registers and one Vek
// controller, their definition files and default program files, and the empty template tables.
//
//   register KR301 (model 301): program files 1, 2 and 3; file 3 is a data file
//   register KR420 (model 420): program files 1 and 2
//   Vek VK500 (model 501): program files 401 and 402

#include <cstdint>
#include <string>
#include <vector>

#include "storedb/edb_records.h"
#include "tests/support/temp_environment.h"

namespace storetest {

inline constexpr int kKR301 = 301;
inline constexpr int kKR420 = 420;
inline constexpr int kVK500 = 501;

class StoreTestEnvironment {
  public:
    explicit StoreTestEnvironment(uint32_t userMode = 2);

    void setUserMode(uint32_t mode);
    const tk73test::TempEnvironment& temp() const { return temp_; }

    // The database folder, without a trailing separator.
    std::string dataBaseFolder() const;
    std::string storeFolder(int storeNo) const;
    // The contents of a table file of the database folder ("STORE" for "STORE.edb").
    std::string table(const std::string& name) const;
    void writeTable(const std::string& name, const std::string& text) const;
    // Every file and folder below the folder, relative and sorted ("S001/M001/KR301.INI").
    std::vector<std::string> listing(const std::string& folder) const;
    std::vector<std::string> dataBaseListing() const { return listing(dataBaseFolder()); }

    // A model's folder in the installation: "<definition folder>/<name>".
    std::string modelFolder(const std::string& indentName, int kind) const;
    // Creates an (empty) store folder, as a store made by an earlier run leaves it.
    void makeStoreFolder(int storeNo) const;

  private:
    void writeInstallation() const;

    tk73test::TempEnvironment temp_;
};

// A store record with the fields the store dialogs fill in.
STORE_EDB storeRecord(int storeNo, const std::string& name, int regModelNo, int vekModelNo = 0,
                      int branchNo = 0);

}  // namespace storetest
