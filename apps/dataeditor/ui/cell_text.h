#pragma once
// The grid's texts for Qt. A screen of the grid shows hundreds of values, so the code page is
// read once when the grid is made, and a value of plain letters, digits and blanks (what a
// program file mostly holds) is taken as it is; any other value goes through the one conversion
// of the user interface.

#include <QString>

#include <string>
#include <string_view>

namespace tk73edit {

// A byte that is the same character in every code page an installation may name. The backslash
// and the tilde are not: Shift JIS has the yen sign and the overline in their places.
bool isPlainCharacter(char c);

class CellText {
  public:
    CellText();

    QString operator()(std::string_view bytes) const;

  private:
    std::string codePage_;
};

}  // namespace tk73edit
