#include "programfiles/pgm_file_io.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

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

int InPlaceWriter::open(const std::string& path, const char* buffer, size_t expectedSize) {
    std::error_code error;
    if (file_ != nullptr || buffer == nullptr || !std::filesystem::is_regular_file(path, error)) {
        return 0;
    }
    // The changes are written at offsets of the caller's buffer; a file of another size is no
    // longer the file that buffer was read from.
    if (std::filesystem::file_size(path, error) != expectedSize || error) {
        return 0;
    }
    file_ = std::fopen(path.c_str(), "r+b");
    // Spans are read and written whole: the stream's own buffer would only copy them once more
    // and read beyond them.
    if (file_ != nullptr) {
        std::setvbuf(file_, nullptr, _IONBF, 0);
    }
    buffer_ = buffer;
    ok_ = true;
    pieces_ = std::make_unique_for_overwrite<Piece[]>(kMaxPieces);
    pieceCount_ = 0;
    return file_ != nullptr ? 1 : 0;
}

void InPlaceWriter::touchAny(size_t offset, size_t count) {
    if (count == 0 || file_ == nullptr) {
        return;
    }
    const size_t end = offset + count;
    if (pieceCount_ != 0) {
        // A change that adjoins or overlaps the last one extends it.
        Piece& last = pieces_[pieceCount_ - 1];
        if (offset >= last.first && offset <= last.end()) {
            last.count = std::max(last.end(), end) - last.first;
            spanEnd_ = std::max(spanEnd_, end);
            return;
        }
        if (pieceCount_ < kMaxPieces && offset >= spanFirst_ && offset <= spanEnd_ + kMergeGap &&
            end - spanFirst_ <= kMaxSpan) {
            pieces_[pieceCount_++] = {offset, count};
            spanEnd_ = std::max(spanEnd_, end);
            return;
        }
        writeSpan();
    }
    pieces_[0] = {offset, count};
    pieceCount_ = 1;
    spanFirst_ = offset;
    spanEnd_ = end;
}

void InPlaceWriter::writeSpan() {
    const size_t count = spanEnd_ - spanFirst_;
    const char* bytes = buffer_ + spanFirst_;
    if (pieceCount_ > 1) {
        if (fileBytesRoom_ < count) {
            fileBytes_ = std::make_unique_for_overwrite<char[]>(count);
            fileBytesRoom_ = count;
        }
        char* span = fileBytes_.get();
        ok_ = ok_ && std::fseek(file_, static_cast<long>(spanFirst_), SEEK_SET) == 0 &&
              std::fread(span, 1, count, file_) == count;
        for (size_t i = 0; i < pieceCount_; ++i) {
            const Piece& piece = pieces_[i];
            copyBytes(span + (piece.first - spanFirst_), buffer_ + piece.first, piece.count);
        }
        bytes = span;
    }
    ok_ = ok_ && std::fseek(file_, static_cast<long>(spanFirst_), SEEK_SET) == 0 &&
          std::fwrite(bytes, 1, count, file_) == count;
    pieceCount_ = 0;
}

int InPlaceWriter::close() {
    if (file_ == nullptr) {
        return 0;
    }
    if (pieceCount_ != 0) {
        writeSpan();
    }
    const bool ok = (std::fclose(file_) == 0) && ok_;
    file_ = nullptr;
    buffer_ = nullptr;
    pieces_.reset();
    fileBytes_.reset();
    fileBytesRoom_ = 0;
    return ok ? 1 : 0;
}

}  // namespace tk73pgm
