#include "programfiles/pgm_record_lines.h"

#include <algorithm>
#include <cstring>

namespace tk73pgm {

namespace {

// The beginning of the next record's line: its number in 6 digits and in 5 digits (when it has
// no more), each followed by ",", as words whose lowest byte is the first character. Compared
// with the first eight bytes of a line at once.
class RecordNumberText {
  public:
    // Whether the line at p begins with the number; p lies in a FileBuffer, whose padding makes
    // eight bytes readable.
    bool begins(const char* p) const {
        const uint64_t word = loadWord(p);
        constexpr uint64_t kSevenBytes = 0x00FFFFFFFFFFFFFFULL;
        return (word & kSevenBytes) == six_ || (fiveFit() && (word & kSixBytes) == five());
    }
    // Moves on to the next number, up to 999,999 (six digits hold no more).
    void next() {
        // The last digit is byte 5; nines become zeros and carry into the digit in front.
        unsigned shift = 40;
        while (shift > 0 && ((six_ >> shift) & 0xFF) == '9') {
            six_ -= uint64_t{9} << shift;
            shift -= 8;
        }
        six_ += uint64_t{1} << shift;
    }

  private:
    static constexpr uint64_t kSixBytes = 0x0000FFFFFFFFFFFFULL;
    bool fiveFit() const { return (six_ & 0xFF) == '0'; }
    uint64_t five() const { return (six_ >> 8) & kSixBytes; }

    // "000001,".
    uint64_t six_ = 0x2C313030303030ULL;
};

}  // namespace

std::vector<RecordLineStart> collectRecordLines(const char* bytes, size_t size, long limit) {
    // Six-digit record numbers count to 999,999: no line after that record can be one.
    constexpr size_t kMostRecords = 999999;
    const size_t most = limit < 0 ? kMostRecords : std::min<size_t>(limit, kMostRecords);
    std::vector<RecordLineStart> starts;
    size_t found = 0;
    RecordNumberText number;
    const char* const end = bytes + size;
    const char* line = bytes;
    while (line < end && found < most) {
        const bool record = number.begins(line);
        if (record) {
            starts.push_back(static_cast<RecordLineStart>(line - bytes));
            number.next();
            ++found;
        }
        const char* lineBreak = static_cast<const char*>(std::memchr(line, '\n', end - line));
        if (lineBreak == nullptr) {
            break;
        }
        // Record lines are all as long as the first: room for the rest at once.
        if (record && found == 1) {
            starts.reserve(std::min<size_t>(
                static_cast<size_t>(end - line) / static_cast<size_t>(lineBreak + 1 - line) + 1,
                most));
        }
        line = lineBreak + 1;
    }
    return starts;
}

}  // namespace tk73pgm
