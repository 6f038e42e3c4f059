#pragma once
// Reading and replacing whole files. A replacement never leaves half a file: the bytes go to a
// temporary file in the same folder, are flushed to the disk and then renamed over the old file,
// so a reader sees either the old or the new contents, also when the writer crashes.

#include <optional>
#include <string>
#include <string_view>

namespace tk73 {

// Replaces (or creates) the file. A new file gets mode 0644, an existing one keeps its mode.
// False, and the old file untouched, when any step fails.
bool replaceFileAtomically(const std::string& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace tk73
