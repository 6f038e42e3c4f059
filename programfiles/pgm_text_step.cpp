#include "programfiles/pgm_text_step.h"

#include "platform/double_byte.h"

namespace tk73pgm {

size_t characterLength(const char* text, size_t remaining) {
    return tk73::characterLength(std::string_view(text, remaining), 0);
}

size_t wholeCharacters(const char* text, size_t count, size_t limit) {
    size_t pos = 0;
    while (pos < count) {
        const size_t step = characterStep(text + pos, count - pos);
        if (pos + step > limit) {
            break;
        }
        pos += step;
    }
    return pos;
}

}  // namespace tk73pgm
