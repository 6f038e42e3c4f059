#pragma once
// The decimal conversion every definition value goes through: blanks, an optional sign, then the
// leading digits; 0 when there are none. Values beyond the 32-bit range stop at its ends instead
// of wrapping, so a damaged file never turns a huge count into a negative one.

#include <cstdint>
#include <string_view>

namespace tk73def {

int32_t decimalValue(std::string_view text);

}  // namespace tk73def
