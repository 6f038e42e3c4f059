#pragma once
// A program file read into one buffer in two stages, so that the editor can show the first screen
// of a large file before all of it has arrived: its first and last pieces are read at once, and
// the bytes between them on a thread of its own. A small file is read whole at once.
//
// Until Finish() the buffer holds only the bytes Holds() names; the thread writes no other byte,
// so those may be read meanwhile. Finish() waits for the thread; so do the destructor and an
// assignment, before the buffer the thread writes could be freed (declare the read after its
// buffer).

#include <cstddef>
#include <future>
#include <limits>
#include <string>

#include "programfiles/pgm_file_io.h"

namespace tk73edit {

class StagedRead {
  public:
    // The bytes read at once at each end of a large file: hundreds of records of any layout, so
    // the first screens and the last ones need no wait. Files up to four times this size are
    // read whole at once.
    static constexpr size_t kEdge = size_t{256} * 1024;

    StagedRead() = default;
    ~StagedRead() { Finish(); }
    StagedRead(StagedRead&& other) noexcept { *this = std::move(other); }
    StagedRead& operator=(StagedRead&& other) noexcept;

    // Reads the file's ends (or the whole of a small file) into a new buffer of the program file
    // library's kind and starts the read of the rest. False, and the buffer as it was, when the
    // file cannot be opened or read, is not a regular file or is larger than
    // kMaxProgramFileSize. A file that grows meanwhile is read up to its size at the start.
    bool Start(const std::string& path, tk73pgm::FileBuffer& buffer);
    // Whether the bytes [first, end) are in the buffer already.
    bool Holds(size_t first, size_t end) const { return end <= headEnd_ || first >= tailStart_; }
    // The count of bytes at the buffer's start that are in it already (more than the buffer holds
    // once all of it is).
    size_t Prefix() const { return headEnd_; }
    // Waits for the rest of the file; whether every byte of it has been read. A file that shrank
    // or failed while its middle was read leaves that part unread for good.
    bool Finish();

  private:
    static constexpr size_t kAll = std::numeric_limits<size_t>::max();

    size_t headEnd_ = kAll;
    size_t tailStart_ = 0;
    std::future<bool> rest_;
};

}  // namespace tk73edit
