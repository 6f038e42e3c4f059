#pragma once
// Whole-file reads and in-place writes of text program files.

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace tk73pgm {

// Largest program file the suite accepts: sizes, offsets and counts of program files are ints.
inline constexpr long long kMaxProgramFileSize = 0x7FFFFFFE;

// Zero bytes after a file's terminating NUL, so that scanners may read 32 bytes at any offset up
// to the NUL.
inline constexpr size_t kFileBufferPadding = 32;

// A whole file in one buffer: its size bytes, a NUL, then kFileBufferPadding zero bytes.
struct FileBuffer {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Reads the whole file with one read into a padded buffer (the scanners of this library read
// whole words). 0 when it cannot be opened or read, or is larger than kMaxProgramFileSize.
[[nodiscard]] int readWholeFile(const std::string& path, FileBuffer& out);

// A program file opened for reading and writing whose changed bytes go back to the same offsets.
// Only the changed bytes themselves reach the file: another handle or program may have changed
// the bytes around them since the caller's buffer was read, and those changes must stay. Nearby
// changes still cost one write, not one per record: they are gathered into a span, and the
// file's own bytes between them are read just before the span is written.
class InPlaceWriter {
  public:
    InPlaceWriter() = default;
    ~InPlaceWriter();
    InPlaceWriter(const InPlaceWriter&) = delete;
    InPlaceWriter& operator=(const InPlaceWriter&) = delete;

    // Opens the file for the changes of buffer, which holds what the file held when it was
    // read; 0 when it cannot be opened for writing or its size is not expectedSize.
    [[nodiscard]] int open(const std::string& path, const char* buffer, size_t expectedSize);
    // Notes that bytes [offset, offset + count) of the buffer have changed; a span that the
    // change does not join is written now.
    void touch(size_t offset, size_t count) {
        // Most often the change is a new piece of the span: after the last one and near it.
        const size_t end = offset + count;
        if (count != 0 && pieceCount_ != 0 && pieceCount_ < kMaxPieces &&
            offset > pieces_[pieceCount_ - 1].end() && offset <= spanEnd_ + kMergeGap &&
            end - spanFirst_ <= kMaxSpan) {
            pieces_[pieceCount_++] = {offset, count};
            spanEnd_ = std::max(spanEnd_, end);
            return;
        }
        touchAny(offset, count);
    }
    // Writes what is left and closes the file; 1 when every change reached the file (also when
    // nothing changed).
    [[nodiscard]] int close();

  private:
    // Changes closer together than this are written as one span: reading and writing back a
    // few bytes between them is far cheaper than another write call.
    static constexpr size_t kMergeGap = 4096;
    // Spans end after this many bytes, so that the file's bytes between the changes are read
    // into a buffer of moderate size even when every record of a large file changed.
    static constexpr size_t kMaxSpan = size_t{256} << 10;
    // Spans end after this many pieces too, so that their list has a fixed room.
    static constexpr size_t kMaxPieces = 4096;

    // Changed bytes [first, first + count) of the buffer.
    struct Piece {
        size_t first;
        size_t count;
        size_t end() const { return first + count; }
    };
    // touch for any change.
    void touchAny(size_t offset, size_t count);
    // Writes the pieces of the span with one write and starts an empty one.
    void writeSpan();

    std::FILE* file_ = nullptr;
    const char* buffer_ = nullptr;
    bool ok_ = true;
    // The span: its pieces, in the order they came, and the bytes from the first piece's start
    // to the furthest end.
    std::unique_ptr<Piece[]> pieces_;
    size_t pieceCount_ = 0;
    size_t spanFirst_ = 0;
    size_t spanEnd_ = 0;
    // The file's bytes of the span, read into room for fileBytesRoom_ bytes.
    std::unique_ptr<char[]> fileBytes_;
    size_t fileBytesRoom_ = 0;
};

}  // namespace tk73pgm
