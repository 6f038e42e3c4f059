#include "definitions/numbered_name.h"

#include <cstdio>

namespace tk73def {

std::string numberedName(const char* format, int number) {
    char name[64];
    const int length = std::snprintf(name, sizeof name, format, number);
    return length > 0 ? std::string(name) : std::string();
}

}  // namespace tk73def
