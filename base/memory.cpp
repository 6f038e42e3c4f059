#include "base/memory.h"

#include <cstdlib>
#include <cstring>

// Blocks come from this library's C runtime heap and go back to it through AecrbsFree, so a
// caller never frees them with another module's allocator.

void* TK73_API AecrbsMalloc(size_t size) {
    return std::malloc(size);
}

void* TK73_API AecrbsRealloc(void* block, size_t size) {
    return std::realloc(block, size);
}

char* TK73_API AecrbsStrdup(const char* text) {
    if (text == nullptr) {
        return nullptr;
    }
    const size_t length = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(length));
    if (copy != nullptr) {
        std::memcpy(copy, text, length);
    }
    return copy;
}

void TK73_API AecrbsFree(void* block) {
    std::free(block);
}
