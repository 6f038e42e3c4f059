#pragma once
// The type list of a file picker in the form Qt's file dialog reads.

#include <QString>

#include <vector>

#include "base/user_interaction.h"

namespace tk73 {

// "CSV file (*.csv);;All files (*)". Patterns are separated by ";" as the suite writes them;
// "*.*", which means every file to the suite's users, becomes "*" (Qt's "*.*" would miss names
// without a dot). A description that already ends in its patterns in brackets keeps only its
// text, so the patterns are not shown twice. No types gives an empty
// filter: every file.
QString qtFileFilter(const std::vector<FileType>& types);

}  // namespace tk73
