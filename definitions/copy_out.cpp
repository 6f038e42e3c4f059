#include "definitions/copy_out.h"

#include <cstring>

namespace tk73def {

int copyOut(const std::string& text, char* out) {
    if (out == nullptr) {
        return 0;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return 1;
}

}  // namespace tk73def
