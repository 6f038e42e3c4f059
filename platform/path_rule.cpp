#include "platform/path_rule.h"

#include "platform/double_byte.h"

namespace tk73 {

char pathSeparatorOf(std::string_view path) {
    // A slash is below the trail byte range, so a plain search cannot mistake one.
    return path.find('/') != std::string_view::npos ? '/' : '\\';
}

std::string withSeparator(std::string_view text, char separator) {
    std::string out(text);
    for (size_t at = 0; at < out.size(); at += characterLength(out, at)) {
        if (isPathSeparator(out[at])) {
            out[at] = separator;
        }
    }
    return out;
}

size_t lastSeparatorAt(std::string_view path) {
    size_t found = std::string_view::npos;
    for (size_t at = 0; at < path.size(); at += characterLength(path, at)) {
        if (isPathSeparator(path[at])) {
            found = at;
        }
    }
    return found;
}

bool endsWithSeparator(std::string_view path) {
    return !path.empty() && lastSeparatorAt(path) == path.size() - 1;
}

std::string joinPath(std::string_view path, std::string_view name) {
    std::string joined(path);
    if (name.empty()) {
        return joined;
    }
    if (isPathSeparator(name.front())) {
        name.remove_prefix(1);
    }
    const char separator = pathSeparatorOf(path);
    if (!endsWithSeparator(path)) {
        joined += separator;
    }
    joined += withSeparator(name, separator);
    return joined;
}

}  // namespace tk73
