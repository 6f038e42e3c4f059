#pragma once
// The rules of one field value: how the stored characters are shown, how a value is fitted to
// the field's width before it is stored, and how a committed value of a number field is merged
// with the old one under the field's mask. Values are byte strings of the installation's code
// page; a double-byte character is never split.

#include <string>
#include <string_view>

#include "apps/dataeditor/edit_field.h"

namespace tk73edit {

// The value as the grid shows it: in every field but a character field each blank shows as
// "0", or as "E" in a bar-code field.
std::string shownValue(std::string_view stored, const EditField& field);

// The value at exactly the field's width. A shorter one is padded: a price is right-aligned with
// its blanks and the left filled with "0", any other value gets blanks on the right. A longer
// one keeps its rightmost characters in a price field and its leftmost elsewhere; a double-byte
// character cut in half becomes a blank.
std::string fittedValue(std::string_view value, const EditField& field);

// A committed value of a field other than a character or price field, merged digit by digit
// with the old one: new = (old AND NOT m) OR (m AND typed), m being the mask's digit at the same
// position ("F": the typed digit is taken). Every digit is written as a lower-case hexadecimal
// digit (a blank counts as 0); item codes are then upper-cased. Both values have the field's
// width.
std::string maskedValue(std::string_view oldValue, std::string_view typed, const EditField& field);

// The value that a commit stores: fitted, then merged under the mask where the field has one.
std::string committedValue(std::string_view oldValue, std::string_view typed,
                           const EditField& field);

// Writes the text over the value from byte at on, clipped at the value's end; the value keeps
// its length. A double-byte character cut in half at either edge of the written stretch leaves
// a blank in place of its other half, and one of the text that the clip cuts is written as a
// blank. Answers the end of the written stretch.
size_t overwriteAt(std::string& value, size_t at, std::string_view text);

}  // namespace tk73edit
