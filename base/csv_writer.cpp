#include "base/csv_writer.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/memory.h"
#include "base/text_conversions.h"

namespace {

constexpr size_t kRecordBuffer = 8192;
constexpr size_t kMaxQuotedItem = 4095;

}  // namespace

struct CSVW {
    APC* context;  // the handle given at creation, never read
    FILE* file;
    char record[kRecordBuffer];  // the record being built, NUL-terminated
    size_t cursor;               // end of the text in record
    int items;                   // items appended to the record
    bool refused;                // an item of the record was refused
};

namespace {

// The item in quotes with each quote doubled; double-byte characters are copied whole. False
// when it would pass the limit of a quoted item.
bool quoted(const char* item, char* out, size_t& length) {
    length = 0;
    out[length++] = '"';
    for (const char* p = item; *p != '\0';) {
        const size_t charLength = static_cast<size_t>(AecrbsGetCharc(p));
        const bool isQuote = charLength == 1 && *p == '"';
        // Room for the character, its doubling quote and the closing quote.
        if (length + charLength + (isQuote ? 1 : 0) + 1 > kMaxQuotedItem) {
            return false;
        }
        if (isQuote) {
            out[length++] = '"';
        }
        std::memcpy(out + length, p, charLength);
        length += charLength;
        p += charLength;
    }
    out[length++] = '"';
    return true;
}

// Writes text as a text-mode write does: each LF goes out as CR LF. The reader takes CR LF back as
// LF, so an item's own CR before a LF (CR CR LF on disk) reads back as CR LF; written as it stands
// it would lose that CR. Older files with a bare LF inside a quoted item still read the same.
bool writeAsText(FILE* file, std::string_view text) {
    for (;;) {
        const size_t lineFeed = text.find('\n');
        const std::string_view piece = text.substr(0, lineFeed);
        if (std::fwrite(piece.data(), 1, piece.size(), file) != piece.size()) {
            return false;
        }
        if (lineFeed == std::string_view::npos) {
            return true;
        }
        if (std::fwrite("\r\n", 1, 2, file) != 2) {
            return false;
        }
        text.remove_prefix(lineFeed + 1);
    }
}

void emptyRecord(CSVW& writer) {
    writer.record[0] = '\0';
    writer.cursor = 0;
    writer.items = 0;
    writer.refused = false;
}

}  // namespace

CSVW* TK73_API AecrbsCreateCSVW(APC* apc, const char* path) {
    if (path == nullptr) {
        return nullptr;
    }
    auto* writer = static_cast<CSVW*>(AecrbsMalloc(sizeof(CSVW)));
    if (writer == nullptr) {
        return nullptr;
    }
    writer->file = std::fopen(path, "wb");
    if (writer->file == nullptr) {
        AecrbsFree(writer);
        return nullptr;
    }
    writer->context = apc;
    emptyRecord(*writer);
    return writer;
}

int TK73_API AecrbsSetCsvReitem(CSVW* writer, const char* item, int quote) {
    if (writer == nullptr || writer->refused) {
        return 0;
    }
    char quotedItem[kMaxQuotedItem];
    const char* text = item != nullptr ? item : "";
    size_t length = std::strlen(text);
    if (quote != 0 && item != nullptr) {
        if (!quoted(item, quotedItem, length)) {
            writer->refused = true;
            return 0;
        }
        text = quotedItem;
    }
    const size_t separator = writer->items > 0 ? 1 : 0;
    if (writer->cursor + separator + length > kRecordBuffer - 1) {
        writer->refused = true;
        return 0;
    }
    if (separator != 0) {
        writer->record[writer->cursor++] = ',';
    }
    std::memcpy(writer->record + writer->cursor, text, length);
    writer->cursor += length;
    writer->record[writer->cursor] = '\0';
    ++writer->items;
    return 1;
}

int TK73_API AecrbsWriteCsvRecord(CSVW* writer) {
    if (writer == nullptr || writer->refused) {
        return 0;
    }
    const bool written = writeAsText(writer->file, {writer->record, writer->cursor}) &&
                         writeAsText(writer->file, "\n") && std::fflush(writer->file) == 0;
    if (!written) {
        return 0;
    }
    emptyRecord(*writer);
    return 1;
}

int TK73_API AecrbsCancelCsvRecord(CSVW* writer) {
    if (writer == nullptr) {
        return 0;
    }
    emptyRecord(*writer);
    return 1;
}

int TK73_API AecrbsDeleteCSVW(CSVW* writer) {
    if (writer == nullptr) {
        return 0;
    }
    const bool closed = std::fclose(writer->file) == 0;
    AecrbsFree(writer);
    return closed ? 1 : 0;
}
