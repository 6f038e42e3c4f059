#pragma once
// Handing texts out through the caller-supplied buffers of the exported functions.

#include <cstring>
#include <string_view>

#include "platform/api.h"

namespace tk73 {

// Copies the text and its NUL into out, a buffer of room bytes. When the text does not fit, out
// becomes empty (a cut path would name another file) and the result is false.
[[nodiscard]] inline bool copyToBuffer(char* out, size_t room, std::string_view text) {
    if (out == nullptr || room == 0) {
        return false;
    }
    if (text.size() >= room) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\0';
    return true;
}

// The result of a folder operation: 1 and out = the path, or 0 and out empty when the path is
// unknown (empty) or longer than a path buffer holds.
[[nodiscard]] inline int putPath(char* out, std::string_view path) {
    if (path.empty()) {
        // Empties out; the result is 0 either way.
        (void)copyToBuffer(out, TK73_MAX_PATH, "");
        return 0;
    }
    return copyToBuffer(out, TK73_MAX_PATH, path) ? 1 : 0;
}

}  // namespace tk73
