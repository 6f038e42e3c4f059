#pragma once
// A file written anew beside the one it replaces ("<target>.tmp<pid>-<n>") and renamed over it
// only once complete, so a crash leaves either the old file or the new one, never half of either.
// A crash before the rename leaves the temporary file; the next complete replacement of the same
// target removes those of writers that no longer run.

#include <string>
#include <string_view>

namespace tk73 {

class FileReplacement {
  public:
    // Creates the temporary file beside path; a symbolic link keeps pointing at the file it
    // names, which is the one replaced. ok() tells whether it could be made.
    explicit FileReplacement(const std::string& path);
    // Removes the temporary file unless it replaced its target.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool ok() const { return fd_ >= 0 && !failed_; }

    void append(std::string_view bytes);
    // Starts writing what was appended so far out to the disk without waiting for it, so that
    // little is left for the flush of a large file at commit.
    void startWriteOut();

    // When durable, the new contents and the rename are flushed to the disk before it returns; a
    // scratch file that is read once and dropped needs no flush. An existing target's
    // permissions are kept. False when anything failed: the temporary file is then removed and
    // the target left as it was.
    enum class Durability { Flushed, Unflushed };
    [[nodiscard]] bool commit(Durability durability = Durability::Flushed);

  private:
    void discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool failed_ = false;
};

}  // namespace tk73
