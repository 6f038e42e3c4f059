#pragma once
// Finding record lines and fields inside the bytes of a text program file.
//
// A record line begins with its record number and ","; the fields follow, separated by ",". A
// field is either plain text up to the next "," or enclosed in double quotes, ending at a quote
// that is followed by "," or the end of the line.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tk73pgm {

// The text of one field: [first, end) without its quotes.
struct FieldSpan {
    size_t first = 0;
    size_t end = 0;
    bool quoted = false;
};

// Every buffer these functions walk is a FileBuffer: a NUL after its last byte ends a line like
// a line break does (so does a NUL inside a file), and the zero padding after it lets the scan
// read whole words.

// Whether the line ends at p: a NUL, a LF, or a CR before a LF or a NUL.
[[nodiscard]] inline bool atLineEnd(const char* p) {
    return *p == '\n' || *p == '\0' || (*p == '\r' && (p[1] == '\n' || p[1] == '\0'));
}

inline constexpr uint64_t kEveryByte = 0x0101010101010101ULL;
inline constexpr uint64_t kHighBits = 0x8080808080808080ULL;

// Eight bytes from p as a word whose lowest byte is p[0].
inline uint64_t loadWord(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native != std::endian::little) {
        word = 0;
        for (int i = 7; i >= 0; --i) {
            word = (word << 8) | static_cast<unsigned char>(p[i]);
        }
    }
    return word;
}

// Asks the processor to fetch the cache line at p, which a scan will read soon.
inline void prefetch(const char* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    static_cast<void>(p);
#endif
}

// The same for a line that a scan will write soon.
inline void prefetchToWrite(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p, 1);
#else
    static_cast<void>(p);
#endif
}

// Stores the word as eight bytes at p, its lowest byte at p[0].
inline void storeWord(char* p, uint64_t word) {
    if constexpr (std::endian::native != std::endian::little) {
        for (int i = 0; i < 8; ++i) {
            p[i] = static_cast<char>(word >> (8 * i));
        }
        return;
    }
    std::memcpy(p, &word, sizeof word);
}

// Copies count bytes; a count of 8 to 16 (a number or a short text) as two words, without a
// call.
inline void copyBytes(char* to, const char* from, size_t count) {
    if (count >= 8 && count <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + count - 8, from + count - 8, 8);
    } else {
        std::memcpy(to, from, count);
    }
}

// The high bit of every byte of the word that equals c, and nothing else.
inline uint64_t bytesEqual(uint64_t word, char c) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const uint64_t x = word ^ (kEveryByte * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The first byte from p on that is the delimiter, a NUL, a LF or a CR. Eight bytes are looked
// at together: a byte equal to c is found as a zero byte of the word XOR c.
inline const char* findDelimiterOrBreak(const char* p, char delimiter) {
    const auto zeroBytes = [](uint64_t x) { return (x - kEveryByte) & ~x & kHighBits; };
    while (true) {
        const uint64_t word = loadWord(p);
        // The lowest flagged byte is exact; flags above a match may be false.
        const uint64_t found =
            zeroBytes(word) | zeroBytes(word ^ (kEveryByte * '\n')) |
            zeroBytes(word ^ (kEveryByte * '\r')) |
            zeroBytes(word ^ (kEveryByte * static_cast<unsigned char>(delimiter)));
        if (found != 0) {
            return p + std::countr_zero(found) / 8;
        }
        p += 8;
    }
}

// Moves over the field that starts at pos. Fills span and sets pos to the start of the next
// field; last tells whether the line ends after this field. 0 when a quoted field has no
// closing quote on its line.
[[nodiscard]] inline int nextField(const char* bytes, size_t& pos, FieldSpan& span, bool& last) {
    const char* p = bytes + pos;
    if (*p == '"') {
        // A quoted field ends at a quote followed by "," or the line's end.
        for (++p;; ++p) {
            p = findDelimiterOrBreak(p, '"');
            if (*p == '"') {
                if (p[1] == ',' || atLineEnd(p + 1)) {
                    break;
                }
            } else if (atLineEnd(p)) {
                return 0;
            }
        }
        span = {pos + 1, static_cast<size_t>(p - bytes), true};
        ++p;
    } else {
        for (;; ++p) {
            p = findDelimiterOrBreak(p, ',');
            if (*p == ',' || atLineEnd(p)) {
                break;
            }
        }
        span = {pos, static_cast<size_t>(p - bytes), false};
    }
    last = atLineEnd(p);
    pos = static_cast<size_t>(p - bytes) + 1;
    return 1;
}

// Walks the fields of one record line from left to right.
class FieldCursor {
  public:
    // lineStart may be the size of the bytes: a line without fields.
    FieldCursor(const char* bytes, size_t lineStart)
        : bytes_(bytes), lineStart_(lineStart), pos_(lineStart) {}

    // The field with the 1-based index (field 1 is the first after the record number); 0 when
    // the line has no such field. Goes on from the field found last when index is not smaller.
    [[nodiscard]] int seek(int index, FieldSpan& span) {
        if (index < 1) {
            return 0;
        }
        if (index < index_) {
            index_ = -1;
            pos_ = lineStart_;
            last_ = false;
        }
        // The record number is the first token of the line (index 0).
        while (index_ < index) {
            if (last_ || !nextField(bytes_, pos_, span_, last_)) {
                last_ = true;
                return 0;
            }
            ++index_;
        }
        span = span_;
        return 1;
    }

  private:
    const char* bytes_;
    size_t lineStart_;
    size_t pos_;
    // Whether the line ends after span_.
    bool last_ = false;
    // The index of span_, 0 for the record number, -1 before the first token.
    int index_ = -1;
    FieldSpan span_;
};

// The offset of a record line's start in its file's bytes.
using RecordLineStart = uint32_t;

// Collects the record lines of a loaded file: scanning line by line, a line that begins with the
// next expected record number in 6 or 5 digits followed by "," is that record; other lines are
// passed over. Scanning stops after limit records (limit < 0: no limit).
std::vector<RecordLineStart> collectRecordLines(const char* bytes, size_t size, long limit);

}  // namespace tk73pgm
