#include "spreadsheet/cell_places.h"

#include <cmath>
#include <cstdio>

namespace tk73sheet {

namespace {

// The civil date of a day count from 1970-01-01 (the proleptic Gregorian calendar).
void civilDate(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long ofEra = days - era * 146097;
    const long long yearOfEra = (ofEra - ofEra / 1460 + ofEra / 36524 - ofEra / 146096) / 365;
    const long long dayOfYear = ofEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

int columnOfReference(std::string_view reference) {
    long column = 0;
    size_t at = 0;
    for (; at < reference.size(); ++at) {
        const char c = reference[at];
        const int letter = c >= 'A' && c <= 'Z' ? c - 'A' : c >= 'a' && c <= 'z' ? c - 'a' : -1;
        if (letter < 0) {
            break;
        }
        column = column * 26 + letter + 1;
        if (column > 1 << 20) {
            return -1;
        }
    }
    return at == 0 ? -1 : static_cast<int>(column - 1);
}

std::string dateText(double serial, bool date1904) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) {
        return "";
    }
    // Day numbers count from 1899-12-31, and the 1900 system counts a 29 February 1900 that
    // never was: from day 61 on they count from 1899-12-30.
    const long long daysTo1970 = date1904 ? 24107 : serial >= 61 ? 25569 : 25568;
    const long long seconds = std::llround(serial * 86400.0);
    long long days = seconds / 86400;
    long long inDay = seconds % 86400;
    if (inDay < 0) {
        inDay += 86400;
        --days;
    }
    int year = 0, month = 0, day = 0;
    civilDate(days - daysTo1970, year, month, day);
    char text[40];
    if (inDay == 0) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld", year, month, day,
                      inDay / 3600, inDay / 60 % 60, inDay % 60);
    }
    return text;
}

}  // namespace tk73sheet
