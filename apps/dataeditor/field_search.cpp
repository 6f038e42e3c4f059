#include "apps/dataeditor/field_search.h"

namespace tk73edit {

std::optional<SearchHit> searchField(const ProgramDocument& document, int field, int fromRow,
                                     const std::string& text, bool forward) {
    if (text.empty()) {
        return std::nullopt;
    }
    const int step = forward ? 1 : -1;
    for (int row = fromRow + step; row >= 0 && row < document.RecordCount(); row += step) {
        const size_t at = document.Shown(row, field).find(text);
        if (at != std::string::npos) {
            return SearchHit{row, at};
        }
    }
    return std::nullopt;
}

}  // namespace tk73edit
