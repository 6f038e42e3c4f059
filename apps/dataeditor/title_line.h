#pragma once
// The title line the data editor keeps at the top of a program file: the letter C in double
// quotes, a comma and the file's title in double quotes ("C","PLU"), ended by CR LF.

#include <cstddef>
#include <string>
#include <string_view>

namespace tk73edit {

// The title of the file at the path: of its first three lines (255 characters each at most), the
// first that holds "C" in quotes at some position d gives the text from d + 5 up to its closing
// quote at the line's end. Empty when there is none.
std::string readFileTitle(const std::string& path);

// The line for the title; empty for an empty title.
std::string titleLineFor(const std::string& title);

// The length of the title line the bytes begin with (through its line end); 0 when they do not
// begin with "C" in quotes.
size_t storedTitleLineLength(std::string_view bytes);

}  // namespace tk73edit
