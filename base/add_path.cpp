#include <cstring>

#include "base/file_utils.h"
#include "base/out_buffer.h"
#include "platform/path_rule.h"

int TK73_API AecrbsAddPath(char* path, const char* name) {
    if (path == nullptr) {
        return 0;
    }
    const size_t length = strnlen(path, TK73_MAX_PATH);
    if (length == TK73_MAX_PATH) {
        return 0;
    }
    if (name == nullptr || name[0] == '\0') {
        return 1;
    }
    const std::string joined = tk73::joinPath(std::string_view(path, length), name);
    if (joined.size() >= TK73_MAX_PATH) {
        return 0;
    }
    std::memcpy(path, joined.c_str(), joined.size() + 1);
    return 1;
}
