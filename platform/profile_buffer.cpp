#include "platform/profile_buffer.h"

#include <algorithm>
#include <cstring>

namespace tk73 {
namespace {

// The first count bytes of text; an empty view may have no data at all, which memcpy must not get.
void putBytes(char* out, std::string_view text, size_t count) {
    if (count > 0) {
        std::memcpy(out, text.data(), count);
    }
}

}  // namespace

uint32_t copyProfileText(std::string_view text, char* out, uint32_t size) {
    if (out == nullptr || size == 0) {
        return 0;
    }
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    putBytes(out, text, copied);
    out[copied] = '\0';
    return static_cast<uint32_t>(copied);
}

uint32_t copyProfileValue(std::string_view value, char* out, uint32_t size) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (!quoted || out == nullptr || size == 0) {
        return copyProfileText(value, out, size);
    }
    const std::string_view inner = value.substr(1);
    size_t copied = std::min<size_t>(inner.size(), size - 1);
    if (size >= inner.size() && copied > 0) {
        --copied;
    }
    putBytes(out, inner, copied);
    out[copied] = '\0';
    return static_cast<uint32_t>(copied);
}

uint32_t copyProfileList(const std::vector<std::string_view>& items, char* out, uint32_t size) {
    if (out == nullptr || size == 0) {
        return 0;
    }
    if (size == 1) {
        out[0] = '\0';
        return 0;
    }
    // Room for items and their NULs; the last byte is kept for the NUL that ends the list.
    const size_t room = size - 1;
    size_t used = 0;
    for (const std::string_view item : items) {
        if (used + item.size() + 1 > room) {
            const size_t cut = size - 2;
            const size_t left = used < cut ? cut - used : 0;
            putBytes(out + used, item, std::min(item.size(), left));
            out[size - 2] = '\0';
            out[size - 1] = '\0';
            return size - 2;
        }
        putBytes(out + used, item, item.size());
        used += item.size();
        out[used++] = '\0';
    }
    out[used] = '\0';
    if (used == 0) {
        out[1] = '\0';
    }
    return static_cast<uint32_t>(used);
}

}  // namespace tk73
