#pragma once
// A file that a register sends, written as its blocks come instead of gathered whole and written
// afterwards: the disk works while the next blocks are still on the wire, so that little is left
// to flush once the last one has come. Blocks are collected into large pieces first; a write per
// 1190-byte block would cost a system call each.
//
// The file is written beside its target and renamed over it only once complete (and, for a
// store's file, flushed to the disk): a receive that fails or breaks off leaves the target as it
// was. A scratch file is only a step before a conversion and needs no flush.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_replacement.h"

namespace tk73net {

class ReceivedFile {
  public:
    ReceivedFile() = default;
    // The file will replace target (a symbolic link keeps pointing at the file it names, an
    // existing file keeps its permissions).
    static ReceivedFile Replacing(const std::string& target);
    // The file is written to path without a flush; the caller removes it once converted.
    static ReceivedFile Scratch(const std::string& path);

    // Nothing is created before the first bytes; a failure shows at Commit.
    void Append(const uint8_t* bytes, size_t count);
    // Writes the rest and renames the file over its target. False when anything failed (what
    // was written is then removed and the target left as it was).
    [[nodiscard]] bool Commit();

  private:
    bool Open();
    // Writes the collected bytes and, for a store's file, starts their way to the disk.
    void Flush();

    std::string target_;
    tk73::FileReplacement::Durability durability_ = tk73::FileReplacement::Durability::Flushed;
    std::unique_ptr<tk73::FileReplacement> file_;
    std::vector<uint8_t> pending_;
};

}  // namespace tk73net
