#pragma once
// The search of the data editor: the same field of the records after (or before) the current
// one, one record at a time, for the first whose shown value holds the text exactly.

#include <cstddef>
#include <optional>
#include <string>

#include "apps/dataeditor/program_document.h"

namespace tk73edit {

struct SearchHit {
    int row = 0;
    size_t position = 0;  // byte offset of the text inside the value
};

// nullopt when no record matches (or the text is empty).
std::optional<SearchHit> searchField(const ProgramDocument& document, int field, int fromRow,
                                     const std::string& text, bool forward);

}  // namespace tk73edit
