#include <cstring>
#include <filesystem>

#include "base/file_utils.h"
#include "base/memory.h"
#include "platform/whole_file.h"

char* TK73_API AecrbsLoadFile(const char* path, long* size) {
    if (size != nullptr) {
        *size = 0;
    }
    std::error_code error;
    if (path == nullptr || !std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    const std::optional<std::string> bytes = tk73::readWholeFile(path);
    if (!bytes) {
        return nullptr;
    }
    // One byte more than the file holds, a NUL, so a text file can be used as a C string.
    auto* block = static_cast<char*>(AecrbsMalloc(bytes->size() + 1));
    if (block == nullptr) {
        return nullptr;
    }
    std::memcpy(block, bytes->data(), bytes->size());
    block[bytes->size()] = '\0';
    if (size != nullptr) {
        *size = static_cast<long>(bytes->size());
    }
    return block;
}
