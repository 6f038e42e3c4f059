#pragma once
// The columns of the data editor: the program view fields of one program file, read from the
// store's definition copy with the hidden fields left out, and with bit fields turned into plain
// ones so that they are shown and typed as hexadecimal digits.

#include <string>
#include <vector>

#include "apps/dataeditor/edit_field.h"

namespace tk73edit {

// kind 0 for a register model's definition, 1 for a controller's. Empty when the file has no
// program view fields.
std::vector<EditField> loadFieldTable(const std::string& definitionFile, int kind, int fileNo);

}  // namespace tk73edit
