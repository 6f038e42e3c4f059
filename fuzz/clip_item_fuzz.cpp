// Arbitrary clipboard bytes into the data editor's "CVW PGM" item, as another program could put
// them on the clipboard. An item that decodes encodes again to the bytes it was read from (up to
// its NUL); an item made from the input decodes to itself; a record's values travel as one item
// and come back the same.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/dataeditor/field_clip.h"

namespace {

using tk73edit::FieldClip;

bool same(const FieldClip& a, const FieldClip& b) {
    return a.fieldNo == b.fieldNo && a.start == b.start && a.length == b.length && a.text == b.text;
}

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// The input's bytes as an item: its first twelve bytes give the three numbers, the rest is the
// text without its NULs (a NUL ends the text on the clipboard).
FieldClip clipOf(std::string_view bytes) {
    int32_t numbers[3] = {};
    std::memcpy(numbers, bytes.data(), std::min(bytes.size(), sizeof(numbers)));
    FieldClip clip{numbers[0], numbers[1], numbers[2], {}};
    for (const char c : bytes.substr(std::min(bytes.size(), sizeof(numbers)))) {
        if (c != '\0') {
            clip.text += c;
        }
    }
    return clip;
}

// The text's lines as a record's values (a value never holds the comma that joins them).
std::vector<std::string> valuesOf(const std::string& text) {
    std::vector<std::string> values(1);
    for (const char c : text) {
        if (c == '\n') {
            values.emplace_back();
        } else if (c != ',') {
            values.back() += c;
        }
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const std::optional<FieldClip> decoded = tk73edit::decodeClip(bytes)) {
        const std::string encoded = tk73edit::encodeClip(*decoded);
        check(decoded->fieldNo >= 0 && decoded->start >= 0 && decoded->length >= 0);
        check(encoded == bytes.substr(0, encoded.size()));
        if (const auto values = tk73edit::recordValues(*decoded, 1)) {
            check(values->front() == decoded->text);
        }
    }

    const FieldClip made = clipOf(bytes);
    const std::optional<FieldClip> back = tk73edit::decodeClip(tk73edit::encodeClip(made));
    const bool valid = made.fieldNo >= 0 && made.start >= 0 && made.length >= 0;
    check(back.has_value() == valid && (!valid || same(*back, made)));

    const std::vector<std::string> values = valuesOf(made.text);
    const FieldClip record = tk73edit::recordClip(values);
    const std::optional<FieldClip> recordBack = tk73edit::decodeClip(tk73edit::encodeClip(record));
    check(recordBack.has_value() && same(*recordBack, record) &&
          record.length == static_cast<int32_t>(record.text.size()));
    check(tk73edit::recordValues(*recordBack, values.size()) == values);
    check(!tk73edit::recordValues(*recordBack, values.size() + 1).has_value());
    return 0;
}
