#include "platform/path_rule.h"

namespace tk73 {

char pathSeparatorOf(std::string_view path) {
    return path.find('/') != std::string_view::npos ? '/' : '\\';
}

std::string withSeparator(std::string_view text, char separator) {
    std::string out(text);
    for (char& c : out) {
        if (isPathSeparator(c)) {
            c = separator;
        }
    }
    return out;
}

}  // namespace tk73
