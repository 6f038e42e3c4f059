#pragma once
// What the data editor puts on the clipboard in its own format "CVW PGM": the field number the
// text came from, the character offset inside that field where it started, its length, then the
// text and a NUL. A whole record travels in the same format with field number 0: its field
// values joined by "," (no memory number).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73edit {

// The name of the format: a MIME type of the suite's own.
inline constexpr const char* kClipFormat = "application/x-tk73-cvw-pgm";

// The field number of a whole record.
inline constexpr int kRecordClip = 0;

struct FieldClip {
    int32_t fieldNo = 0;
    int32_t start = 0;
    int32_t length = 0;
    std::string text;
};

// The item's bytes: three 32-bit integers (little-endian), the text, a NUL.
std::string encodeClip(const FieldClip& clip);
// nullopt for bytes that are no such item (too short, a negative offset or length, no NUL).
std::optional<FieldClip> decodeClip(std::string_view bytes);

// A record's field values as one item.
FieldClip recordClip(const std::vector<std::string>& values);
// The values of a record item when it holds exactly count of them.
std::optional<std::vector<std::string>> recordValues(const FieldClip& clip, size_t count);

}  // namespace tk73edit
