#pragma once
// A file that a register sends, written as its blocks come instead of gathered whole and written
// afterwards: the disk works while the next blocks are still on the wire, so that little is left
// to flush once the last one has come. Blocks are collected into large pieces first; a write per
// 1190-byte block would cost a system call each.
//
// A replacement goes to a new file beside the store's file ("<target>.tmp<pid>-<n>", the names
// that the suite's whole-file replacement clears after a crash) and is renamed over the target
// only once complete and flushed to the disk: a receive that fails or breaks off leaves the
// store's file as it was. A scratch file is only a step before a conversion and needs no flush.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73net {

class ReceivedFile {
  public:
    ReceivedFile() = default;
    ReceivedFile(const ReceivedFile&) = delete;
    ReceivedFile& operator=(const ReceivedFile&) = delete;
    // Removes what was written unless it replaced its target.
    ~ReceivedFile();

    // The file will replace target (a symbolic link keeps pointing at the file it names, an
    // existing file keeps its permissions).
    static ReceivedFile Replacing(const std::string& target);
    // The file is written to path itself, truncating what was there.
    static ReceivedFile Scratch(const std::string& path);

    ReceivedFile(ReceivedFile&& other) noexcept;
    ReceivedFile& operator=(ReceivedFile&& other) noexcept;

    // Nothing is created before the first bytes; a failure shows at Commit.
    void Append(const uint8_t* bytes, size_t count);
    // Writes the rest and, for a replacement, flushes it and renames it over the target; a
    // scratch file stays at its path until this object goes. False when anything failed (a
    // replacement is then removed and its target left as it was).
    bool Commit();

  private:
    enum class Kind { None, Replacement, Scratch };

    bool Open();
    // Writes the collected bytes and, for a replacement, starts their way to the disk.
    bool Flush();
    void Discard();

    Kind kind_ = Kind::None;
    std::string target_;
    // The file being written; empty when there is none to remove.
    std::string path_;
    int fd_ = -1;
    bool failed_ = false;
    uint64_t written_ = 0;
    std::vector<uint8_t> pending_;
};

}  // namespace tk73net
