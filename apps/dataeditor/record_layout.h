#pragma once
// Where the records of a text program file lie in its bytes, as the data editor finds them: the
// first line that begins with record number 1 ("000001", "00001" or "0001") is the first record
// line, every record line has its length, and the count is what the rest of the file holds.

#include <cstddef>
#include <optional>

namespace tk73edit {

// The most records the editor shows.
inline constexpr int kMaxRecords = 99999;

struct RecordLayout {
    size_t firstRecord = 0;  // offset of the first record line
    size_t length = 0;       // characters of a record line before its CR LF
    int count = 0;

    size_t lineStart(int row) const {
        return firstRecord + static_cast<size_t>(row) * (length + 2);
    }
};

// nullopt when no line begins with record number 1. The count is the whole record lines after
// the first record's offset (99,999 at most); when the last of them does not begin with its own
// number it is an incomplete line and is not counted.
std::optional<RecordLayout> findRecordLayout(const char* bytes, size_t size);

}  // namespace tk73edit
