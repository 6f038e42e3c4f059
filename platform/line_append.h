#pragma once
// Appending a line to a log file that readers and a crash may meet at any moment: the line goes
// out in one write at the file's end, so a reader sees it whole or not at all, and a write that
// stops short (a full disk) is cut off again, leaving the file as it was.

#include <string>
#include <string_view>

namespace tk73 {

// Appends the bytes (a line with its end, or a header and a line) to the file, created when
// missing, and flushes them to the disk. False when the file cannot be opened or the bytes could
// not all be written; the file then ends where it ended before.
[[nodiscard]] bool appendWhole(const std::string& path, std::string_view bytes);

}  // namespace tk73
