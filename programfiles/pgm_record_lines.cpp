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
    // Moves on to the next number; false past 999,999.
    bool next() {
        // The last digit is byte 5; nines carry into the digit in front of them.
        for (unsigned shift = 40;; shift -= 8) {
            if (((six_ >> shift) & 0xFF) != '9') {
                six_ += uint64_t{1} << shift;
                return true;
            }
            six_ -= uint64_t{9} << shift;
            if (shift == 0) {
                return false;
            }
        }
    }

  private:
    static constexpr uint64_t kSixBytes = 0x0000FFFFFFFFFFFFULL;
    bool fiveFit() const { return (six_ & 0xFF) == '0'; }
    uint64_t five() const { return (six_ >> 8) & kSixBytes; }

    // "000001,".
    uint64_t six_ = 0x2C313030303030ULL;
};

}  // namespace

std::vector<size_t> collectRecordLines(const char* bytes, size_t size, long limit) {
    std::vector<size_t> starts;
    RecordNumberText number;
    bool more = true;
    size_t lineStart = 0;
    while (lineStart < size && (limit < 0 || static_cast<long>(starts.size()) < limit)) {
        const bool record = more && number.begins(bytes + lineStart);
        if (record) {
            starts.push_back(lineStart);
            more = number.next();
        }
        const void* newline = std::memchr(bytes + lineStart, '\n', size - lineStart);
        if (newline == nullptr) {
            break;
        }
        const size_t next = static_cast<size_t>(static_cast<const char*>(newline) - bytes) + 1;
        // Record lines are all as long as the first: room for the rest at once (no more than
        // six-digit record numbers can count).
        if (record && starts.size() == 1) {
            starts.reserve(std::min<size_t>((size - lineStart) / (next - lineStart) + 1, 999999));
        }
        lineStart = next;
    }
    return starts;
}

}  // namespace tk73pgm
