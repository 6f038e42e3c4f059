#include "apps/dataeditor/program_document.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "apps/dataeditor/field_value.h"
#include "apps/dataeditor/title_line.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73edit {

namespace {

// A hash of the bytes and their count: a file that another program rewrote gives another value
// without the editor keeping a second copy of the file. Four independent chains over 32 bytes at
// a time keep hashing a large file well below the cost of reading it. Streamed pieces must be
// multiples of 32 bytes, except the last.
class Fingerprint {
  public:
    void add(const char* bytes, size_t count) {
        size_t at = 0;
        for (; at + kBlock <= count; at += kBlock) {
            for (size_t lane = 0; lane < kLanes; ++lane) {
                uint64_t word;
                std::memcpy(&word, bytes + at + 8 * lane, sizeof word);
                mix(lanes_[lane], word);
            }
        }
        for (; at < count; ++at) {
            mix(lanes_[0], static_cast<unsigned char>(bytes[at]));
        }
        size_ += count;
    }
    uint64_t value() const {
        uint64_t hash = size_ * kOdd;
        for (const uint64_t lane : lanes_) {
            mix(hash, lane);
        }
        return hash;
    }

  private:
    static constexpr size_t kLanes = 4;
    static constexpr size_t kBlock = 8 * kLanes;
    static constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ULL;
    static void mix(uint64_t& hash, uint64_t word) {
        hash = (hash ^ word) * kOdd;
        hash ^= hash >> 29;
    }

    uint64_t lanes_[kLanes] = {0xCBF29CE484222325ULL, 0x84222325CBF29CE4ULL, 0x2545F4914F6CDD1DULL,
                               0x4F6CDD1D2545F491ULL};
    uint64_t size_ = 0;
};

uint64_t fingerprintOf(std::string_view bytes) {
    Fingerprint print;
    print.add(bytes.data(), bytes.size());
    return print.value();
}

// A buffer of the scanners' kind holding the bytes.
tk73pgm::FileBuffer bufferOf(std::string_view bytes) {
    tk73pgm::FileBuffer buffer;
    buffer.bytes = std::make_unique<char[]>(bytes.size() + 1 + tk73pgm::kFileBufferPadding);
    std::memcpy(buffer.bytes.get(), bytes.data(), bytes.size());
    buffer.size = bytes.size();
    return buffer;
}

// Where the records lie. While the middle of a large file is still being read, the first record
// line must lie in the first piece and the last record line in the last one: record lines of at
// most half a piece make the last one begin within the last piece. Otherwise the whole file is
// waited for first.
std::optional<RecordLayout> layoutOf(const tk73pgm::FileBuffer& buffer, StagedRead& load) {
    const size_t prefix = std::min(load.Prefix(), buffer.size);
    if (prefix < buffer.size) {
        const std::optional<RecordLayout> head = findRecordLayout(buffer.bytes.get(), prefix);
        const bool bothHeld = head && head->firstRecord + head->length + 2 <= prefix &&
                              2 * (head->length + 2) <= StagedRead::kEdge;
        if (!bothHeld && !load.Finish()) {
            return std::nullopt;
        }
    }
    return findRecordLayout(buffer.bytes.get(), buffer.size);
}

}  // namespace

ProgramDocument::OpenResult ProgramDocument::Open(const std::string& path, const std::string& title,
                                                  std::vector<EditField> fields) {
    tk73pgm::FileBuffer read;
    StagedRead load;
    if (!load.Start(path, read)) {
        return OpenResult::ReadFailed;
    }
    const auto held = [&] {
        return std::string_view(read.bytes.get(), std::min(load.Prefix(), read.size));
    };
    // A title line that runs past the first piece of a large file is measured on the whole file.
    if (storedTitleLineLength(held()) == held().size() && held().size() < read.size &&
        !load.Finish()) {
        return OpenResult::ReadFailed;
    }
    const std::string_view oldLine = held().substr(0, storedTitleLineLength(held()));
    const std::string newLine = titleLineFor(title);
    const bool sameLine = oldLine.size() == newLine.size() &&
                          strncasecmp(oldLine.data(), newLine.data(), newLine.size()) == 0;
    std::optional<uint64_t> fingerprint;
    if (oldLine != newLine) {
        if (!load.Finish()) {
            return OpenResult::ReadFailed;
        }
        const std::string_view bytes(read.bytes.get(), read.size);
        fingerprint = fingerprintOf(bytes);
        std::string normalised = newLine;
        normalised.append(bytes.substr(oldLine.size()));
        read = bufferOf(normalised);
    }
    const std::optional<RecordLayout> layout = layoutOf(read, load);
    if (!layout && !load.Finish()) {
        return OpenResult::ReadFailed;
    }
    if (!layout || layout->count == 0 || fields.empty()) {
        return OpenResult::NoEditField;
    }
    path_ = path;
    load_ = std::move(load);
    buffer_ = std::move(read);
    layout_ = *layout;
    fields_ = std::move(fields);
    fileFingerprint_ = fingerprint;
    modified_ = !sameLine;
    return OpenResult::Opened;
}

std::optional<size_t> ProgramDocument::ValueOffset(int row, int field) const {
    if (!IsOpen() || row < 0 || row >= layout_.count || field < 0 || field >= FieldCount()) {
        return std::nullopt;
    }
    const EditField& info = Field(field);
    const size_t lineStart = layout_.lineStart(row);
    // The scanners read whole words up to the padding's width past the line.
    const size_t lineEnd = lineStart + layout_.length + 2 + tk73pgm::kFileBufferPadding;
    if (!load_.Holds(lineStart, lineEnd) && !load_.Finish()) {
        return std::nullopt;
    }
    tk73pgm::FieldCursor cursor(buffer_.bytes.get(), lineStart);
    tk73pgm::FieldSpan span;
    if (cursor.seek(info.index, span) != 1) {
        return std::nullopt;
    }
    // The item's first character (its opening quote) is passed over.
    const size_t itemStart = span.quoted ? span.first - 1 : span.first;
    const size_t valueStart = itemStart + 1;
    if (valueStart + static_cast<size_t>(info.width) > lineStart + layout_.length) {
        return std::nullopt;
    }
    return valueStart;
}

std::string ProgramDocument::Stored(int row, int field) const {
    const std::optional<size_t> offset = ValueOffset(row, field);
    const size_t width = static_cast<size_t>(Field(field).width);
    if (!offset) {
        return std::string(width, ' ');
    }
    return std::string(buffer_.bytes.get() + *offset, width);
}

std::string ProgramDocument::Shown(int row, int field) const {
    return shownValue(Stored(row, field), Field(field));
}

std::vector<std::string> ProgramDocument::ShownRecord(int row) const {
    std::vector<std::string> values;
    for (int field = 0; field < FieldCount(); ++field) {
        values.push_back(Shown(row, field));
    }
    return values;
}

void ProgramDocument::NoteFileBytes() const {
    if (!fileFingerprint_) {
        fileFingerprint_ = fingerprintOf(Bytes());
    }
}

bool ProgramDocument::Write(int row, int field, std::string_view value) {
    const std::optional<size_t> offset = ValueOffset(row, field);
    if (!offset) {
        return false;
    }
    const std::string fitted = fittedValue(value, Field(field));
    char* target = buffer_.bytes.get() + *offset;
    if (std::memcmp(target, fitted.data(), fitted.size()) != 0) {
        NoteFileBytes();
        std::memcpy(target, fitted.data(), fitted.size());
        modified_ = true;
    }
    return true;
}

bool ProgramDocument::Commit(int row, int field, std::string_view typed) {
    return Write(row, field, committedValue(Shown(row, field), typed, Field(field)));
}

bool ProgramDocument::FileUnchanged() const {
    NoteFileBytes();
    std::ifstream file(path_, std::ios::binary);
    if (!file) {
        return false;
    }
    Fingerprint print;
    std::vector<char> chunk(size_t{1} << 16);
    while (file) {
        file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        print.add(chunk.data(), static_cast<size_t>(file.gcount()));
    }
    return print.value() == *fileFingerprint_;
}

std::string_view ProgramDocument::Bytes() const {
    load_.Finish();
    return {buffer_.bytes.get(), buffer_.size};
}

bool ProgramDocument::Save() {
    if (!IsOpen() || !WhollyRead() || !tk73::replaceWholeFile(path_, Bytes())) {
        return false;
    }
    fileFingerprint_ = fingerprintOf(Bytes());
    modified_ = false;
    return true;
}

bool ProgramDocument::SaveCopy(const std::string& path) const {
    return IsOpen() && WhollyRead() && tk73::replaceWholeFile(path, Bytes());
}

bool ProgramDocument::TakeImage(const std::string& source, const std::string& title) {
    ProgramDocument taken;
    if (!IsOpen() || taken.Open(source, title, fields_) != OpenResult::Opened ||
        !taken.WhollyRead()) {
        return false;
    }
    // The fingerprint is of the file on disk, which the new image no longer equals.
    NoteFileBytes();
    load_ = std::move(taken.load_);
    buffer_ = std::move(taken.buffer_);
    layout_ = taken.layout_;
    modified_ = true;
    return true;
}

}  // namespace tk73edit
