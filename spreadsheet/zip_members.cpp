#include "spreadsheet/zip_members.h"

#include <zip.h>

namespace tk73sheet {

namespace {

// A sheet of 99,999 records of many fields stays far below this once inflated.
constexpr zip_uint64_t kMaxMemberBytes = zip_uint64_t{512} << 20;

}  // namespace

ZipMembers::ZipMembers(const std::string& path) {
    int error = 0;
    archive_ = zip_open(path.c_str(), ZIP_RDONLY, &error);
}

ZipMembers::~ZipMembers() {
    if (archive_ != nullptr) {
        zip_discard(archive_);
    }
}

std::optional<std::string> ZipMembers::read(const std::string& name) const {
    if (archive_ == nullptr) {
        return std::nullopt;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive_, name.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        stat.size > kMaxMemberBytes) {
        return std::nullopt;
    }
    zip_file_t* member = zip_fopen(archive_, name.c_str(), 0);
    if (member == nullptr) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(stat.size), '\0');
    zip_uint64_t done = 0;
    while (done < stat.size) {
        const zip_int64_t got = zip_fread(member, bytes.data() + done, stat.size - done);
        if (got <= 0) {
            break;
        }
        done += static_cast<zip_uint64_t>(got);
    }
    // A member that inflates to more or less than its directory says is damaged; libzip checks
    // the CRC when the member has been read to its end.
    char extra = 0;
    const bool whole = done == stat.size && zip_fread(member, &extra, 1) == 0;
    zip_fclose(member);
    if (!whole) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace tk73sheet
