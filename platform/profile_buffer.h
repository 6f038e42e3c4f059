#pragma once
// How the profile functions fill a caller's buffer, with the results their Windows counterparts
// give when the buffer is too small.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tk73 {

// The text and a NUL, cut to size - 1 bytes; the result is the number of bytes copied before the
// NUL. Nothing is written when size is 0.
uint32_t copyProfileText(std::string_view text, char* out, uint32_t size);

// A value as a read gives it: like copyProfileText, but a value that starts and ends with the
// same quote character (" or ') loses that pair, in the Windows way: the closing quote comes off
// the copied text only when the buffer holds the value without its opening quote, so a buffer
// of exactly that size loses the last character of the text inside the quotes as well.
uint32_t copyProfileValue(std::string_view value, char* out, uint32_t size);

// The items, each followed by a NUL, and one more NUL ending the list (an empty list is two
// NULs). The result counts every byte but the final NUL. When the list does not fit, the last
// item that fits is cut, the buffer ends in two NULs and the result is size - 2.
uint32_t copyProfileList(const std::vector<std::string_view>& items, char* out, uint32_t size);

}  // namespace tk73
