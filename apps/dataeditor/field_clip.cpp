#include "apps/dataeditor/field_clip.h"

namespace tk73edit {

namespace {

constexpr size_t kHeader = 12;

void putInt(std::string& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((bits >> shift) & 0xFF);
    }
}

int32_t intAt(std::string_view bytes, size_t at) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i) {
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return static_cast<int32_t>(bits);
}

}  // namespace

std::string encodeClip(const FieldClip& clip) {
    std::string out;
    putInt(out, clip.fieldNo);
    putInt(out, clip.start);
    putInt(out, clip.length);
    out += clip.text;
    out += '\0';
    return out;
}

std::optional<FieldClip> decodeClip(std::string_view bytes) {
    if (bytes.size() <= kHeader) {
        return std::nullopt;
    }
    const size_t nul = bytes.find('\0', kHeader);
    FieldClip clip{intAt(bytes, 0), intAt(bytes, 4), intAt(bytes, 8), {}};
    if (nul == std::string_view::npos || clip.fieldNo < 0 || clip.start < 0 || clip.length < 0) {
        return std::nullopt;
    }
    clip.text = std::string(bytes.substr(kHeader, nul - kHeader));
    return clip;
}

FieldClip recordClip(const std::vector<std::string>& values) {
    FieldClip clip;
    clip.fieldNo = kRecordClip;
    for (size_t i = 0; i < values.size(); ++i) {
        clip.text += (i == 0 ? "" : ",") + values[i];
    }
    clip.length = static_cast<int32_t>(clip.text.size());
    return clip;
}

std::optional<std::vector<std::string>> recordValues(const FieldClip& clip, size_t count) {
    if (clip.fieldNo != kRecordClip) {
        return std::nullopt;
    }
    std::vector<std::string> values;
    size_t from = 0;
    while (true) {
        const size_t comma = clip.text.find(',', from);
        values.push_back(clip.text.substr(from, comma - from));
        if (comma == std::string::npos) {
            break;
        }
        from = comma + 1;
    }
    if (values.size() != count) {
        return std::nullopt;
    }
    return values;
}

}  // namespace tk73edit
