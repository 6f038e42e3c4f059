#include "base/csv_reader.h"

#include <cstdio>
#include <cstring>

#include "base/memory.h"

namespace {

constexpr size_t kLineBuffer = 8192;
constexpr size_t kMaxField = 2047;

// Byte classes and scanner states of the field scanner.
enum Class { kComma, kQuote, kLineEnd, kOther };
enum State {
    kStart = 0,          // start of a field
    kFieldEnd = 1,       // the field ended
    kRecordEnd = 2,      // the field and the record ended
    kUnquoted = 3,       // in an unquoted field: the byte is data
    kQuoted = 4,         // in a quoted field: the byte is data
    kQuoteInQuoted = 5,  // a quote in a quoted field: dropped; a second one is data
    kOpeningQuote = 6,   // the quote that opens a quoted field: dropped
};

// The next state from the current one (rows 1 and 2 end the field and are never left).
constexpr State kNext[7][4] = {
    /* start          */ {kFieldEnd, kOpeningQuote, kRecordEnd, kUnquoted},
    /* field end      */ {kFieldEnd, kFieldEnd, kFieldEnd, kFieldEnd},
    /* record end     */ {kRecordEnd, kRecordEnd, kRecordEnd, kRecordEnd},
    /* unquoted       */ {kFieldEnd, kUnquoted, kRecordEnd, kUnquoted},
    /* quoted         */ {kQuoted, kQuoteInQuoted, kQuoted, kQuoted},
    /* quote in quoted*/ {kFieldEnd, kQuoted, kRecordEnd, kUnquoted},
    /* opening quote  */ {kQuoted, kQuoteInQuoted, kQuoted, kQuoted},
};

Class classOf(char c) {
    switch (c) {
        case ',':
            return kComma;
        case '"':
            return kQuote;
        case '\r':
        case '\n':
            return kLineEnd;
        default:
            return kOther;
    }
}

enum class Scan { Field, Record, EndOfData };

}  // namespace

struct CSVR {
    FILE* file;
    char line[kLineBuffer];  // the current line or piece of a line, NUL-terminated
    size_t position;         // next unread byte of line
    bool ended;              // end of data was reported; it stays reported
};

namespace {

// The next byte of the file as a text-mode read gives it: CR LF arrives as one LF.
int nextByte(FILE* file) {
    const int c = std::getc(file);
    if (c != '\r') {
        return c;
    }
    const int following = std::getc(file);
    if (following == '\n') {
        return '\n';
    }
    if (following != EOF) {
        std::ungetc(following, file);
    }
    return c;
}

// Reads the next line, or the next 8191-byte piece of a longer one. False when there is none,
// and when the file ends before the line does: a last line without a line end is not data.
bool refill(CSVR& reader) {
    size_t length = 0;
    while (length < kLineBuffer - 1) {
        const int c = nextByte(reader.file);
        if (c == EOF) {
            return false;
        }
        reader.line[length++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    reader.line[length] = '\0';
    reader.position = 0;
    return true;
}

// Scans one field into field (at most kMaxField bytes, the rest dropped) and says how it ended.
Scan scanField(CSVR& reader, char* field, size_t& length) {
    length = 0;
    State state = kStart;
    for (;;) {
        if (reader.line[reader.position] == '\0' && !refill(reader)) {
            reader.ended = true;
            return Scan::EndOfData;
        }
        const char c = reader.line[reader.position++];
        state = kNext[state][classOf(c)];
        switch (state) {
            case kFieldEnd:
                return Scan::Field;
            case kRecordEnd:
                return Scan::Record;
            case kUnquoted:
            case kQuoted:
                if (length < kMaxField) {
                    field[length++] = c;
                }
                break;
            default:
                break;
        }
    }
}

void clearFields(char** fields, int count) {
    for (int i = 0; i < count; ++i) {
        fields[i] = nullptr;
    }
}

}  // namespace

CSVR* TK73_API AecrbsCreateCSVR(APC* /*apc*/, const char* path) {
    if (path == nullptr) {
        return nullptr;
    }
    auto* reader = static_cast<CSVR*>(AecrbsMalloc(sizeof(CSVR)));
    if (reader == nullptr) {
        return nullptr;
    }
    reader->file = std::fopen(path, "rb");
    if (reader->file == nullptr) {
        AecrbsFree(reader);
        return nullptr;
    }
    reader->line[0] = '\0';
    reader->position = 0;
    reader->ended = false;
    return reader;
}

int TK73_API AecrbsReadCsvRecord(CSVR* reader, char** fields, int count) {
    if (count < 0 || (fields == nullptr && count > 0)) {
        return 0;
    }
    clearFields(fields, count);
    if (reader == nullptr || reader->ended) {
        return 0;
    }
    char field[kMaxField];
    int stored = 0;
    for (bool first = true;; first = false) {
        size_t length = 0;
        const Scan scan = scanField(*reader, field, length);
        if (scan == Scan::EndOfData) {
            return first ? 0 : 1;
        }
        if (stored < count) {
            auto* copy = static_cast<char*>(AecrbsMalloc(length + 1));
            if (copy == nullptr) {
                for (int i = 0; i < stored; ++i) {
                    AecrbsFree(fields[i]);
                }
                clearFields(fields, count);
                return 0;
            }
            std::memcpy(copy, field, length);
            copy[length] = '\0';
            fields[stored++] = copy;
        }
        if (scan == Scan::Record) {
            return 1;
        }
    }
}

int TK73_API AecrbsDeleteCSVR(CSVR* reader) {
    if (reader == nullptr) {
        return 0;
    }
    std::fclose(reader->file);
    AecrbsFree(reader);
    return 1;
}
