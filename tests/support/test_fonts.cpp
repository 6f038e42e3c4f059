#include "tests/support/test_fonts.h"

#include <cstdlib>

#include "tk73_pinned_fonts.h"

namespace tk73test {

void useTestFonts() {
    if (std::getenv("TK73_FONT_SET") == nullptr) {
        setenv("FONTCONFIG_FILE", TK73_PINNED_FONTS, 1);
    }
}

}  // namespace tk73test
