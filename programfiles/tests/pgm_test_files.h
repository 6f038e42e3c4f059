#pragma once
// Program files and definition files for the tests, written into a private temporary folder.

#include <string>
#include <vector>

#include "tests/support/temp_environment.h"

namespace pgmtest {

// One record line: the record number in width digits, then the fields joined by ",", CR LF.
std::string recordLine(int record, int width, const std::vector<std::string>& fields);

// A store with a definition file, a maintenance folder and a default folder.
class Store {
  public:
    Store();

    std::string definitionFile() const { return env_.path("store/TEST.INI"); }
    std::string mainteFolder() const { return env_.path("store/MAINTE"); }
    std::string defaultFolder() const { return env_.path("model/DEFAULT"); }
    std::string mainteFile(int fileNo) const;
    std::string defaultFile(int fileNo, char kind = 'P') const;
    const tk73test::TempEnvironment& env() const { return env_; }

    void writeDefinition(const std::string& text) const;
    void writeMainte(int fileNo, const std::string& bytes) const;
    void writeDefault(int fileNo, const std::string& bytes, char kind = 'P') const;
    std::string readMainte(int fileNo) const;

  private:
    tk73test::TempEnvironment env_;
};

// The PLU file of the tests (file 4): a title header line, then records 1 to count with the
// fields code (14), name (12), price (8 digits), status flags (4 hexadecimal digits), a plain
// field and a group text (4).
std::string pluFile(int count);
// The definition of file 4 and of menu 14's items on it:
//   1 CHAR code, 2 CHAR name, 3 DIGIT price (D3, width 6), 4 BIT flag (D2, mask 4),
//   5 HEX status (D1, width 4), 6 COUNT item on the name, 7 CHAR on the plain field (width 2).
std::string pluDefinition();

}  // namespace pgmtest
