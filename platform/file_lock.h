#pragma once
// An exclusive lock between processes, held on a lock file while the object lives. Writers of a
// file that is replaced by rename lock a separate file, because the replaced file's own lock
// would go with its old contents.

#include <string>

namespace tk73 {

class ExclusiveFileLock {
  public:
    // Waits until the lock on the file (created when missing) is held.
    explicit ExclusiveFileLock(const std::string& lockFile);
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;

    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace tk73
