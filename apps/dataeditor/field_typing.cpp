#include "apps/dataeditor/field_typing.h"

#include <algorithm>
#include <cctype>

#include "apps/dataeditor/field_value.h"

namespace tk73edit {

std::string acceptedCharacter(std::string_view character, const EditField& field) {
    std::string typed(character);
    if (field.isCharacter()) {
        return typed == "\"" ? std::string(" ") : typed;
    }
    if (typed.size() != 1) {
        return {};
    }
    const auto c = static_cast<unsigned char>(typed[0]);
    if (field.isItemCode() && std::islower(c)) {
        typed[0] = static_cast<char>(std::toupper(c));
    }
    const auto t = static_cast<unsigned char>(typed[0]);
    if (!std::isxdigit(t) || (field.isPrice() && !std::isdigit(t))) {
        return {};
    }
    return typed;
}

bool typeCharacter(FieldEdit& edit, std::string_view character, const EditField& field) {
    const std::string typed = acceptedCharacter(character, field);
    if (typed.empty()) {
        return false;
    }
    size_t at = edit.caret;
    if (edit.selectionLength > 0) {
        at = edit.selectionStart;
    }
    if (at + typed.size() > edit.value.size()) {
        return false;
    }
    if (edit.selectionLength > 0) {
        overwriteAt(edit.value, edit.selectionStart,
                    std::string(edit.selectionLength, field.filler()));
        edit.selectionLength = 0;
    }
    edit.caret = overwriteAt(edit.value, at, typed);
    return true;
}

void closeGap(std::string& value, size_t start, size_t length, const EditField& field) {
    if (start >= value.size()) {
        return;
    }
    const size_t end = std::min(value.size(), start + length);
    const std::string moved = value.substr(end) + std::string(end - start, field.filler());
    overwriteAt(value, start, moved);
}

}  // namespace tk73edit
