#include "platform/ini_cache.h"

#include <sys/stat.h>
#include <time.h>

#include <cstdint>
#include <map>
#include <mutex>

#include "platform/whole_file.h"

namespace tk73 {

namespace {

// Few files are read often; more entries would only keep memory.
constexpr size_t kMaxEntries = 16;

// Longer than the coarsest step of file times (two seconds on FAT file systems).
constexpr int64_t kSettledSeconds = 3;

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Whether the file was last changed long enough before now that a change from now on must give
// it a newer modification time.
bool settled(const FileIdentity& identity) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - identity.modifiedSeconds > kSettledSeconds;
}

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                        info.st_mtim.tv_nsec};
}

struct Entry {
    FileIdentity identity;
    // Whether the identity alone vouches for the bytes; otherwise the bytes are read and
    // compared with the document's.
    bool settled = false;
    std::shared_ptr<const IniDocument> document;
    uint64_t lastUse = 0;
};

std::mutex cacheMutex;
std::map<std::string, Entry> cache;
uint64_t useCounter = 0;

void evictLeastRecentlyUsed() {
    auto oldest = cache.begin();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->second.lastUse < oldest->second.lastUse) {
            oldest = it;
        }
    }
    cache.erase(oldest);
}

// The kept document when it was parsed from exactly these bytes.
std::shared_ptr<const IniDocument> keptDocumentOf(const std::string& path,
                                                  const std::string& bytes) {
    std::lock_guard lock(cacheMutex);
    const auto found = cache.find(path);
    if (found == cache.end() || found->second.document->bytes() != bytes) {
        return nullptr;
    }
    return found->second.document;
}

}  // namespace

std::shared_ptr<const IniDocument> loadIniDocument(const std::string& path) {
    const auto before = identityOf(path);
    if (!before) {
        return std::make_shared<const IniDocument>();
    }
    {
        std::lock_guard lock(cacheMutex);
        const auto found = cache.find(path);
        if (found != cache.end() && found->second.settled && found->second.identity == *before) {
            found->second.lastUse = ++useCounter;
            return found->second.document;
        }
    }
    auto bytes = readWholeFile(path);
    if (!bytes) {
        return std::make_shared<const IniDocument>();
    }
    auto document = keptDocumentOf(path, *bytes);
    if (!document) {
        document = std::make_shared<const IniDocument>(std::move(*bytes));
    }
    // A file that changed while it was read is used once but not kept: its identity would not
    // describe the bytes that were read.
    if (identityOf(path) == before) {
        std::lock_guard lock(cacheMutex);
        if (cache.size() >= kMaxEntries && !cache.count(path)) {
            evictLeastRecentlyUsed();
        }
        cache[path] = Entry{*before, settled(*before), document, ++useCounter};
    }
    return document;
}

void forgetIniDocument(const std::string& path) {
    std::lock_guard lock(cacheMutex);
    cache.erase(path);
}

}  // namespace tk73
