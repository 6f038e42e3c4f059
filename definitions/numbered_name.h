#pragma once
// Section and key names built from a number ("FILE%04d", "F%02dN", "%03d", "ECR%02d").

#include <string>

namespace tk73def {

// The format must take exactly one int.
std::string numberedName(const char* format, int number);

}  // namespace tk73def
