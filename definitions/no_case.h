#pragma once
// Comparison of names, codes and switch words ("ON", "OFF") without regard to letter case, as
// the definition and settings files are compared everywhere else.

#include <string_view>

namespace tk73def {

[[nodiscard]] bool equalsNoCase(std::string_view a, std::string_view b);

}  // namespace tk73def
