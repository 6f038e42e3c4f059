#pragma once
// Overtype editing of one field value, the way the grid's in-place edit types: the value keeps
// the field's width, a typed character replaces the one under the caret (or the selection), and
// a field accepts only the characters its kind allows. Positions are byte offsets in the
// installation's code page; a double-byte character takes two.

#include <cstddef>
#include <string>
#include <string_view>

#include "apps/dataeditor/edit_field.h"

namespace tk73edit {

struct FieldEdit {
    std::string value;  // exactly the field's width
    size_t caret = 0;
    size_t selectionStart = 0;
    size_t selectionLength = 0;
};

// One typed character (one byte, or the two of a double-byte character) as the field takes it,
// in overtype and insert editing and in the entry dialog alike; empty when the field refuses it.
// A character field takes a double quote as a blank (a quote would end the value's quotes in the
// record line) and every other character as it is. In any other field a lower-case letter of an
// item code becomes upper case, and a double-byte character, a character that is no hexadecimal
// digit and, in a price field, one that is no decimal digit are refused.
std::string acceptedCharacter(std::string_view character, const EditField& field);

// Types one character as the field takes it over the one under the caret (or the selection).
// A character that would pass the field's width is refused too. false (the caller beeps) when
// refused; the edit is then unchanged.
bool typeCharacter(FieldEdit& edit, std::string_view character, const EditField& field);

// Takes the bytes [start, start + length) out of the value: the characters after them move left
// and the positions freed at the end get the field's filler.
void closeGap(std::string& value, size_t start, size_t length, const EditField& field);

}  // namespace tk73edit
