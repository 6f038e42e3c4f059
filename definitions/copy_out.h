#pragma once
// Handing a text to a caller's buffer.

#include <string>

namespace tk73def {

// Copies text and its NUL to out, which the caller sized for the documented limit; 0 for a null
// buffer.
int copyOut(const std::string& text, char* out);

}  // namespace tk73def
