// The rules of one field value: showing, fitting, the mask, overtype typing and the clipboard
// item, each against the cases that tell a right implementation from a near miss.

#include <gtest/gtest.h>

#include "apps/dataeditor/field_clip.h"
#include "apps/dataeditor/field_typing.h"
#include "apps/dataeditor/field_value.h"

namespace tk73edit {
namespace {

EditField fieldOf(int attribute, int width, std::string mask = {}, bool barCode = false) {
    EditField field;
    field.fieldNo = 30;
    field.attribute = attribute;
    field.width = width;
    field.mask = mask.empty() ? std::string(static_cast<size_t>(width), 'F') : mask;
    field.barCode = barCode;
    return field;
}

// "表" and "示" in Shift JIS: the first one's trail byte is a backslash.
const std::string kHyo = "\x95\x5C";
const std::string kJi = "\x8E\xA6";

TEST(FieldValue, BlanksShowAsZeroOrBarCodeEExceptInCharacterFields) {
    EXPECT_EQ(shownValue(" 1 2", fieldOf(FIELD_ATTR_PLAIN, 4)), "0102");
    EXPECT_EQ(shownValue(" 1 2", fieldOf(FIELD_ATTR_PLUCODE, 4, {}, true)), "E1E2");
    EXPECT_EQ(shownValue(" 1 2", fieldOf(FIELD_ATTR_CHAR, 4)), " 1 2");
}

TEST(FieldValue, FittingPadsCutsAndNeverSplitsADoubleByteCharacter) {
    const EditField price = fieldOf(FIELD_ATTR_PRICE, 6);
    EXPECT_EQ(fittedValue("12 ", price), "000120");
    EXPECT_EQ(fittedValue("98765432", price), "765432");  // the rightmost digits
    const EditField text = fieldOf(FIELD_ATTR_CHAR, 5);
    EXPECT_EQ(fittedValue("ab", text), "ab   ");
    EXPECT_EQ(fittedValue("abcdefg", text), "abcde");  // the leftmost characters
    // The third character would need positions 5 and 6: its lead byte becomes a blank.
    EXPECT_EQ(fittedValue(kHyo + kJi + kHyo, text), kHyo + kJi + " ");
    EXPECT_EQ(fittedValue("12", fieldOf(FIELD_ATTR_QTY, 4)), "12  ");
}

TEST(FieldValue, OverwritingBlanksTheOuterHalfOfACutCharacter) {
    std::string value = kHyo + kJi + "ab";
    // Writing at byte 1 cuts the first character's lead byte off; writing two bytes ends in the
    // middle of the second character, whose trail byte is left behind.
    EXPECT_EQ(overwriteAt(value, 1, "xy"), 3u);
    EXPECT_EQ(value, " xy ab");
}

TEST(FieldValue, TheMaskKeepsTheOldDigitsWhereItIsZero) {
    const EditField plain = fieldOf(FIELD_ATTR_PLAIN, 4, "FF00");
    EXPECT_EQ(committedValue("1234", "9999", plain), "9934");
    // A mask digit other than F or 0 merges bit by bit: (1 AND NOT 2) OR (2 AND F) = 3.
    // Every merged digit is written in lower case, the typed and the kept ones too.
    EXPECT_EQ(committedValue("1134", "FFFF", fieldOf(FIELD_ATTR_PLAIN, 4, "F2FF")), "f3ff");
    EXPECT_EQ(committedValue("000C", "0003", fieldOf(FIELD_ATTR_PLAIN, 4, "FFF3")), "000f");
    EXPECT_EQ(committedValue("AB00", "00CD", fieldOf(FIELD_ATTR_PLAIN, 4, "00FF")), "abcd");
    // All F: the typed digits, in lower case; item codes upper-cased; prices and texts unmasked.
    EXPECT_EQ(committedValue("0000", "0a1B", fieldOf(FIELD_ATTR_PLAIN, 4)), "0a1b");
    EXPECT_EQ(committedValue("0000", "0a1b", fieldOf(FIELD_ATTR_PLUCODE, 4)), "0A1B");
    EXPECT_EQ(committedValue("1234", "99", fieldOf(FIELD_ATTR_PRICE, 4, "0000")), "0099");
    EXPECT_EQ(committedValue("abcd", "xy", fieldOf(FIELD_ATTR_CHAR, 4, "0000")), "xy  ");
}

TEST(FieldTyping, EachKindOfFieldTakesOnlyItsCharacters) {
    FieldEdit code{"0000", 0, 0, 0};
    EXPECT_TRUE(typeCharacter(code, "a", fieldOf(FIELD_ATTR_PLUCODE, 4)));
    EXPECT_EQ(code.value, "A000");
    EXPECT_EQ(code.caret, 1u);
    FieldEdit plain{"0000", 0, 0, 0};
    EXPECT_FALSE(typeCharacter(plain, "G", fieldOf(FIELD_ATTR_PLAIN, 4)));
    EXPECT_FALSE(typeCharacter(plain, kHyo, fieldOf(FIELD_ATTR_QTY, 4)));
    EXPECT_TRUE(typeCharacter(plain, "b", fieldOf(FIELD_ATTR_PLAIN, 4)));
    EXPECT_EQ(plain.value, "b000");
    FieldEdit price{"0000", 0, 0, 0};
    EXPECT_FALSE(typeCharacter(price, "B", fieldOf(FIELD_ATTR_PRICE, 4)));
    EXPECT_TRUE(typeCharacter(price, "7", fieldOf(FIELD_ATTR_PRICE, 4)));
    EXPECT_EQ(price.value, "7000");
}

TEST(FieldTyping, OvertypeKeepsTheWidthAndDoubleByteCharactersWhole) {
    const EditField text = fieldOf(FIELD_ATTR_CHAR, 5);
    FieldEdit edit{kHyo + "abc", 0, 0, 0};
    // A single byte over a lead byte: both halves go, the trail becomes a blank.
    EXPECT_TRUE(typeCharacter(edit, "x", text));
    EXPECT_EQ(edit.value, "x abc");
    // A double-byte character over "a" and "b" takes two positions.
    edit.caret = 2;
    EXPECT_TRUE(typeCharacter(edit, kJi, text));
    EXPECT_EQ(edit.value, "x " + kJi + "c");
    EXPECT_EQ(edit.caret, 4u);
    // Only one position is left: a double-byte character does not fit, a single one does, and
    // then the caret is at the width.
    EXPECT_FALSE(typeCharacter(edit, kHyo, text));
    EXPECT_TRUE(typeCharacter(edit, "d", text));
    EXPECT_FALSE(typeCharacter(edit, "e", text));
    EXPECT_EQ(edit.value, "x " + kJi + "d");
    // A selection is blanked and the character goes to its start.
    FieldEdit selected{"abcde", 4, 1, 3};
    EXPECT_TRUE(typeCharacter(selected, "Z", text));
    EXPECT_EQ(selected.value, "aZ  e");
    EXPECT_EQ(selected.caret, 2u);
}

TEST(FieldTyping, CuttingClosesTheGapWithTheFieldsFiller) {
    std::string text = "abcdef";
    closeGap(text, 1, 2, fieldOf(FIELD_ATTR_CHAR, 6));
    EXPECT_EQ(text, "adef  ");
    std::string number = "123456";
    closeGap(number, 0, 4, fieldOf(FIELD_ATTR_PLAIN, 6));
    EXPECT_EQ(number, "560000");
}

TEST(FieldClipItem, CarriesThePlaceAndTheTextAndRefusesDamagedBytes) {
    const FieldClip clip{31, 2, 3, "a" + kHyo};
    const std::string bytes = encodeClip(clip);
    ASSERT_EQ(bytes.size(), 12u + 3u + 1u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x1F\0\0\0", 4));
    const std::optional<FieldClip> back = decodeClip(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fieldNo, 31);
    EXPECT_EQ(back->start, 2);
    EXPECT_EQ(back->length, 3);
    EXPECT_EQ(back->text, "a" + kHyo);
    EXPECT_FALSE(decodeClip(bytes.substr(0, 12)));
    EXPECT_FALSE(decodeClip(bytes.substr(0, bytes.size() - 1)));  // no NUL
    EXPECT_FALSE(decodeClip(encodeClip({31, -1, 3, "abc"})));

    const FieldClip record = recordClip({"0012", "Bread ", "00"});
    EXPECT_EQ(record.fieldNo, kRecordClip);
    EXPECT_EQ(record.text, "0012,Bread ,00");
    const auto values = recordValues(*decodeClip(encodeClip(record)), 3);
    ASSERT_TRUE(values);
    EXPECT_EQ((*values)[1], "Bread ");
    EXPECT_FALSE(recordValues(record, 4));
    EXPECT_FALSE(recordValues(clip, 1));
}

}  // namespace
}  // namespace tk73edit
