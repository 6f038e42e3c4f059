#pragma once
// Reading a file whole and replacing it whole. A replacement goes through a temporary file in the
// same folder that is flushed to disk and then renamed over the target, so a crash leaves either
// the old file or the new one, never half of either. A crash between the two leaves the temporary
// file ("<target>.tmp<pid>-<n>"); the next complete replacement of the same target removes those
// of writers that no longer run.

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_replacement.h"

namespace tk73 {

// The bytes of a regular file; nullopt when it is missing, is no regular file or cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);
// At most limit bytes of a regular file from the offset on (fewer where the file ends), for a
// reader that must not take in a file of any size; nullopt as above.
std::optional<std::string> readFilePart(const std::string& path, size_t offset, size_t limit);

// Whether anything (a file, a folder, ...) exists under the path.
[[nodiscard]] bool pathExists(const std::string& path);

// Replaces (or creates) the file with the bytes. An existing file keeps its permissions and a
// symbolic link keeps pointing at the file it names. False when the folder is missing or the
// file cannot be written; the old file is then left as it was. An unflushed replacement is still
// whole or absent after a crash, but may be lost with the last moments before it.
[[nodiscard]] bool replaceWholeFile(
    const std::string& path, std::string_view bytes,
    FileReplacement::Durability durability = FileReplacement::Durability::Flushed);

}  // namespace tk73
