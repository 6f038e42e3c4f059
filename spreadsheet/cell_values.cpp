#include "spreadsheet/cell_values.h"

#include <algorithm>
#include <cstdio>

#include "platform/code_page.h"
#include "platform/double_byte.h"
#include "spreadsheet/decimal_number.h"

namespace tk73sheet {

namespace {

// Whole numbers of up to this many digits survive a spreadsheet's floating-point cells.
constexpr size_t kExactDigits = 15;

std::string withoutPadding(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : text.substr(0, last + 1));
}

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return "";
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string number(uint64_t value) {
    return std::to_string(value);
}

ImportedValue refused(std::string reason) {
    return {false, "", std::move(reason)};
}

// "U+0141": a UTF-8 character named for a message in any code page.
std::string codePoint(std::string_view character) {
    unsigned long value = static_cast<unsigned char>(character[0]);
    if (character.size() > 1) {
        value &= 0x7Fu >> character.size();
    }
    for (size_t i = 1; i < character.size(); ++i) {
        value = (value << 6) | (static_cast<unsigned char>(character[i]) & 0x3Fu);
    }
    char text[16];
    std::snprintf(text, sizeof text, "U+%04lX", value);
    return text;
}

// Printable ASCII reads the same in every code page the suite runs with, except the backslash
// and the tilde, which Shift JIS gives to the yen sign and the overline: such text needs no
// conversion.
bool sameInEveryCodePage(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c <= 0x7E && c != '\\' && c != '~'; });
}

// The length of the UTF-8 character that starts with the byte.
size_t utf8Length(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

ImportedValue importText(const SheetColumn& column, const std::string& text,
                         const std::string& codePage) {
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        return refused("holds a line break or a tab, which the field cannot store");
    }
    if (text.find('"') != std::string::npos) {
        return refused("holds a double quote, which the field cannot store");
    }
    const std::string utf8 = withoutPadding(text);
    std::string bytes = sameInEveryCodePage(utf8) ? utf8 : tk73::fromUtf8(utf8, codePage);
    if (bytes != utf8 && tk73::toUtf8(bytes, codePage) != utf8) {
        // Character by character, so that the character the code page has not is named
        // instead of being stored as "?".
        for (size_t at = 0; at < utf8.size();) {
            const size_t length =
                std::min(utf8Length(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
            const std::string character = utf8.substr(at, length);
            if (tk73::toUtf8(tk73::fromUtf8(character, codePage), codePage) != character) {
                return refused("the character " + codePoint(character) +
                               " is not in the code page " + codePage);
            }
            at += length;
        }
        return refused("cannot be written in the code page " + codePage);
    }
    if (bytes.size() > static_cast<size_t>(column.width)) {
        return refused("is " + number(bytes.size()) + " characters long; the field holds " +
                       number(static_cast<uint64_t>(column.width)));
    }
    bytes.append(static_cast<size_t>(column.width) - bytes.size(), ' ');
    return {true, bytes, ""};
}

ImportedValue importNumber(const SheetColumn& column, const Cell& cell, std::string_view shown) {
    uint64_t value = 0;
    if (cell.type == Cell::Type::Boolean) {
        value = cell.text == "TRUE" ? 1 : 0;
    } else if (cell.type == Cell::Type::Date) {
        return refused("is a date, not a number");
    } else if (!cell.empty()) {
        const ScaledNumber scaled = scaledNumber(cell.text, column.decimals);
        const std::string places = number(static_cast<uint64_t>(column.decimals));
        switch (scaled.status) {
            case ScaledNumber::Status::Ok:
                value = scaled.value;
                break;
            case ScaledNumber::Status::NotANumber:
                return refused("\"" + trimmed(cell.text) + "\" is not a number");
            case ScaledNumber::Status::Negative:
                return refused("is negative; the field holds no sign");
            case ScaledNumber::Status::TooPrecise:
                return refused(column.decimals == 0
                                   ? std::string("is not a whole number")
                                   : "has more than " + places + " decimal places");
            case ScaledNumber::Status::TooLarge:
                return refused("is too large for the field");
        }
    }
    std::string digits = number(value);
    if (digits.size() > static_cast<size_t>(column.width)) {
        return refused("is too large for the field");
    }
    digits.insert(0, static_cast<size_t>(column.width) - digits.size(), '0');
    // The register's limits bind what is typed: a value the file holds already stays.
    if (digits == shown) {
        return {true, digits, ""};
    }
    if (!column.choices.empty() &&
        std::find(column.choices.begin(), column.choices.end(), value) == column.choices.end()) {
        std::string list;
        for (const uint64_t choice : column.choices) {
            list += (list.empty() ? "" : ", ") + decimalText(choice, column.decimals);
        }
        return refused(decimalText(value, column.decimals) + " is not one of " + list);
    }
    if (value < column.lowest || value > column.highest) {
        return refused(decimalText(value, column.decimals) + " is outside " +
                       decimalText(column.lowest, column.decimals) + " to " +
                       decimalText(column.highest, column.decimals));
    }
    return {true, digits, ""};
}

ImportedValue importCode(const SheetColumn& column, const Cell& cell) {
    std::string code = trimmed(cell.text);
    if (cell.type == Cell::Type::Number) {
        // A code the spreadsheet took for a number: whole, it is the code without its leading
        // zeros; with a fraction or an exponent that loses digits it cannot be told back.
        const ScaledNumber whole = scaledNumber(code, 0);
        if (whole.status != ScaledNumber::Status::Ok || number(whole.value).size() > kExactDigits) {
            return refused("\"" + code + "\" is a rounded number; keep codes as text");
        }
        code = number(whole.value);
    } else if (cell.type == Cell::Type::Date) {
        return refused("is a date, not a code");
    }
    const char* allowed = column.digitsOnly ? "0123456789" : "0123456789ABCDEFabcdef";
    const size_t bad = code.find_first_not_of(allowed);
    if (bad != std::string::npos) {
        if (code.find_first_of("eE") != std::string::npos && code.find('+') != std::string::npos) {
            return refused("\"" + code + "\" is a rounded number; keep codes as text");
        }
        return refused("\"" + code + "\" holds \"" + code.substr(bad, 1) + "\"; the field takes " +
                       (column.digitsOnly ? "decimal" : "hexadecimal") + " digits only");
    }
    if (code.size() > static_cast<size_t>(column.width)) {
        return refused("is " + number(code.size()) + " characters long; the field holds " +
                       number(static_cast<uint64_t>(column.width)));
    }
    if (column.itemCode) {
        std::transform(code.begin(), code.end(), code.begin(), [](char c) {
            return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
        });
    }
    // Spreadsheets drop leading zeros: a shorter code is the same code.
    code.insert(0, static_cast<size_t>(column.width) - code.size(), '0');
    return {true, code, ""};
}

}  // namespace

ExportCell exportCell(const SheetColumn& column, std::string_view shown,
                      const std::string& codePage) {
    if (column.kind == ColumnKind::Number && allDigits(shown)) {
        // One division by an exact power of ten gives the double nearest to the decimal value.
        double unit = 1;
        for (int i = 0; i < column.decimals; ++i) {
            unit *= 10;
        }
        return {true, static_cast<double>(scaledNumber(shown, 0).value) / unit, ""};
    }
    const std::string text =
        column.kind == ColumnKind::Text ? withoutPadding(shown) : std::string(shown);
    return {false, 0, sameInEveryCodePage(text) ? text : tk73::toUtf8(text, codePage)};
}

ImportedValue importCell(const SheetColumn& column, const Cell& cell, std::string_view shown,
                         const std::string& codePage) {
    if (column.kind == ColumnKind::Text) {
        return importText(column, cell.text, codePage);
    }
    if (cell.type == Cell::Type::Text && trimmed(cell.text) == shown) {
        return {true, std::string(shown), ""};
    }
    return column.kind == ColumnKind::Number ? importNumber(column, cell, shown)
                                             : importCode(column, cell);
}

std::string sheetForm(const SheetColumn& column, std::string_view shown) {
    if (column.kind == ColumnKind::Text) {
        return withoutPadding(shown);
    }
    if (column.kind == ColumnKind::Number && allDigits(shown)) {
        return decimalText(scaledNumber(shown, 0).value, column.decimals);
    }
    return std::string(shown);
}

}  // namespace tk73sheet
