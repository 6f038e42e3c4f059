#include "apps/dataeditor/field_value.h"

#include <cctype>

#include "platform/double_byte.h"

namespace tk73edit {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

}  // namespace

std::string shownValue(std::string_view stored, const EditField& field) {
    std::string shown(stored);
    if (!field.isCharacter()) {
        for (char& c : shown) {
            if (c == ' ') {
                c = field.barCode ? 'E' : '0';
            }
        }
    }
    return shown;
}

size_t overwriteAt(std::string& value, size_t at, std::string_view text) {
    if (at >= value.size()) {
        return value.size();
    }
    // The text up to the room left, never ending inside a double-byte character.
    const size_t room = value.size() - at;
    std::string written;
    for (size_t i = 0; i < text.size() && written.size() < room;) {
        const size_t length = tk73::characterLength(text, i);
        if (written.size() + length > room) {
            written += ' ';
            break;
        }
        written.append(text.substr(i, length));
        i += length;
    }
    const size_t end = at + written.size();
    for (size_t c = 0; c < value.size();) {
        const size_t length = tk73::characterLength(value, c);
        if (length == 2 && c < at && at < c + 2) {
            value[c] = ' ';
        }
        if (length == 2 && c < end && end < c + 2) {
            value[c + 1] = ' ';
        }
        c += length;
    }
    value.replace(at, written.size(), written);
    return end;
}

std::string fittedValue(std::string_view value, const EditField& field) {
    const size_t width = static_cast<size_t>(field.width);
    if (field.isPrice()) {
        std::string digits(value.size() > width ? value.substr(value.size() - width) : value);
        for (char& c : digits) {
            if (c == ' ') {
                c = '0';
            }
        }
        return std::string(width - digits.size(), '0') + digits;
    }
    std::string fitted(width, ' ');
    overwriteAt(fitted, 0, value);
    return fitted;
}

std::string maskedValue(std::string_view oldValue, std::string_view typed, const EditField& field) {
    std::string merged(typed);
    const size_t width = merged.size();
    // The mask is right-aligned to the field's width; a longer one lines up at its end.
    const size_t maskOffset = field.mask.size() > width ? field.mask.size() - width : 0;
    for (size_t i = 0; i < width; ++i) {
        const size_t maskAt = maskOffset + i;
        const int m = maskAt < field.mask.size() ? hexValue(field.mask[maskAt]) : 0xF;
        const char oldChar = i < oldValue.size() ? oldValue[i] : '0';
        const int digit = (hexValue(oldChar) & ~m) | (m & hexValue(merged[i]));
        merged[i] = "0123456789abcdef"[digit];
    }
    if (field.isItemCode()) {
        for (char& c : merged) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return merged;
}

std::string committedValue(std::string_view oldValue, std::string_view typed,
                           const EditField& field) {
    const std::string fitted = fittedValue(typed, field);
    if (field.isCharacter() || field.isPrice()) {
        return fitted;
    }
    return maskedValue(oldValue, fitted, field);
}

}  // namespace tk73edit
