#pragma once
// Whole-file reads and in-place writes of text program files.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tk73pgm {

// Largest program file the suite accepts: sizes, offsets and counts of program files are ints.
inline constexpr long long kMaxProgramFileSize = 0x7FFFFFFE;

// Zero bytes after a file's terminating NUL, so that scanners may read 16 bytes at any offset up
// to the NUL.
inline constexpr size_t kFileBufferPadding = 16;

// A whole file in one buffer: its size bytes, a NUL, then kFileBufferPadding zero bytes.
struct FileBuffer {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Reads the whole file with one read into a padded buffer (the scanners of this library read
// whole words). 0 when it cannot be opened or read, or is larger than kMaxProgramFileSize.
int readWholeFile(const std::string& path, FileBuffer& out);

// A program file opened for reading and writing whose changed bytes go back to the same offsets.
// Changes are collected as spans (nearby ones merged, so that a change of every record costs one
// write, not one per record) and written when the writer is closed.
class InPlaceWriter {
  public:
    InPlaceWriter() = default;
    ~InPlaceWriter();
    InPlaceWriter(const InPlaceWriter&) = delete;
    InPlaceWriter& operator=(const InPlaceWriter&) = delete;

    // Opens the file; 0 when it cannot be opened for writing or its size is not expectedSize.
    int open(const std::string& path, size_t expectedSize);
    // Notes that bytes [offset, offset + count) of the buffer have changed.
    void touch(size_t offset, size_t count);
    // Writes the changed spans of the buffer to the file and closes it; 1 on success (also when
    // nothing changed). The buffer must hold what the file held when it was opened, plus the
    // changes.
    int close(const char* buffer);

  private:
    struct Span {
        size_t first;
        size_t end;
    };
    std::FILE* file_ = nullptr;
    std::vector<Span> spans_;
};

}  // namespace tk73pgm
