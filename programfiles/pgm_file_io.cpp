#include "programfiles/pgm_file_io.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace tk73pgm {

namespace {

// Changes closer together than this are written as one span: rewriting a few unchanged bytes
// (which hold what the file holds) is far cheaper than another write call.
constexpr size_t kMergeGap = 4096;

}  // namespace

int readWholeFile(const std::string& path, FileBuffer& out) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > static_cast<std::uintmax_t>(kMaxProgramFileSize)) {
        return 0;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    auto bytes = std::make_unique_for_overwrite<char[]>(size + 1 + kFileBufferPadding);
    const size_t read = size == 0 ? 0 : std::fread(bytes.get(), 1, size, file);
    // A file that grew since its size was taken is read only up to that size; one that shrank
    // is a failed read.
    std::fclose(file);
    if (read != size) {
        return 0;
    }
    std::memset(bytes.get() + size, 0, 1 + kFileBufferPadding);
    out.bytes = std::move(bytes);
    out.size = size;
    return 1;
}

InPlaceWriter::~InPlaceWriter() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

int InPlaceWriter::open(const std::string& path, size_t expectedSize) {
    std::error_code error;
    if (file_ != nullptr || !std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    // The changes are written at offsets of the caller's buffer; a file of another size is no
    // longer the file that buffer was read from.
    if (std::filesystem::file_size(path, error) != expectedSize || error) {
        return 0;
    }
    file_ = std::fopen(path.c_str(), "r+b");
    spans_.clear();
    return file_ != nullptr ? 1 : 0;
}

void InPlaceWriter::touch(size_t offset, size_t count) {
    if (count == 0) {
        return;
    }
    if (!spans_.empty() && offset >= spans_.back().first &&
        offset <= spans_.back().end + kMergeGap) {
        spans_.back().end = std::max(spans_.back().end, offset + count);
        return;
    }
    spans_.push_back({offset, offset + count});
}

int InPlaceWriter::close(const char* buffer) {
    if (file_ == nullptr) {
        return 0;
    }
    bool ok = true;
    for (const Span& span : spans_) {
        const size_t count = span.end - span.first;
        ok = ok && std::fseek(file_, static_cast<long>(span.first), SEEK_SET) == 0 &&
             std::fwrite(buffer + span.first, 1, count, file_) == count;
    }
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    spans_.clear();
    return ok ? 1 : 0;
}

}  // namespace tk73pgm
