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

// A whole file in one buffer of size + 1 bytes, the last one a NUL.
struct FileBuffer {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Reads the whole file with one read. 0 when it cannot be opened or read, or is larger than
// kMaxProgramFileSize.
int readWholeFile(const std::string& path, FileBuffer& out);

// Replaces the file's contents by the given bytes through a temporary file beside it, so that a
// failed write leaves the old file as it was.
int replaceFile(const std::string& path, const char* bytes, size_t size);

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
