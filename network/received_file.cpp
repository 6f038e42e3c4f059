#include "network/received_file.h"

#include <algorithm>
#include <string_view>

namespace tk73net {

namespace {

// Large enough that a 10 MB file costs a handful of writes, small enough that the last piece
// flushes quickly.
constexpr size_t kPiece = size_t{1} << 20;

}  // namespace

ReceivedFile ReceivedFile::Replacing(const std::string& target) {
    ReceivedFile file;
    file.target_ = target;
    return file;
}

ReceivedFile ReceivedFile::Scratch(const std::string& path) {
    ReceivedFile file;
    file.target_ = path;
    file.durability_ = tk73::FileReplacement::Durability::Unflushed;
    return file;
}

bool ReceivedFile::Open() {
    if (file_ == nullptr && !target_.empty()) {
        file_ = std::make_unique<tk73::FileReplacement>(target_);
        pending_.reserve(kPiece);
    }
    return file_ != nullptr && file_->ok();
}

void ReceivedFile::Append(const uint8_t* bytes, size_t count) {
    if (count == 0 || !Open()) {
        return;
    }
    while (count > 0) {
        const size_t part = std::min(count, kPiece - pending_.size());
        pending_.insert(pending_.end(), bytes, bytes + part);
        bytes += part;
        count -= part;
        if (pending_.size() == kPiece) {
            Flush();
        }
    }
}

void ReceivedFile::Flush() {
    file_->append(
        std::string_view(reinterpret_cast<const char*>(pending_.data()), pending_.size()));
    if (durability_ == tk73::FileReplacement::Durability::Flushed) {
        // Only starts the writing out; the flush at the end waits for whatever is left.
        file_->startWriteOut();
    }
    pending_.clear();
}

bool ReceivedFile::Commit() {
    if (!Open()) {
        file_.reset();
        return false;
    }
    Flush();
    const bool done = file_->commit(durability_);
    file_.reset();
    return done;
}

}  // namespace tk73net
