#pragma once
// Stores made from the shipped installation: a private copy of the installation with its
// machine values in the test's own hive, and stores whose maintenance folders hold the
// installation's default program files, as a newly created store has them.

#include <cstdint>
#include <string>

#include "tests/support/temp_environment.h"

namespace mergetest {

inline constexpr int kKR301 = 301;
inline constexpr int kKR420 = 420;
inline constexpr int kKR150 = 150;  // never paired with a controller
inline constexpr int kVK500 = 501;

class ShippedInstallation {
  public:
    explicit ShippedInstallation(uint32_t userMode = 2);

    // Creates a store with the models (vekModelNo 0: none) and fills its maintenance folders;
    // the store number.
    int createStore(int regModelNo, int vekModelNo) const;

    // A program file of the store's register ("M001") or controller ("O001") working copies.
    std::string regFile(int storeNo, int fileNo) const {
        return mainteFile(storeNo, "M001", fileNo);
    }
    std::string vekFile(int storeNo, int fileNo) const {
        return mainteFile(storeNo, "O001", fileNo);
    }
    std::string storeFolder(int storeNo) const;

    static std::string read(const std::string& file);
    static void write(const std::string& file, const std::string& bytes);
    // The line of the record (numbered with 6 or 5 digits) without its line end; empty when the
    // file has none.
    static std::string recordLine(const std::string& file, int record);
    // Replaces the first occurrence of from in the record's line.
    static void replaceInRecord(const std::string& file, int record, const std::string& from,
                                const std::string& to);

  private:
    std::string mainteFile(int storeNo, const char* part, int fileNo) const;

    tk73test::TempEnvironment env_;
};

}  // namespace mergetest
