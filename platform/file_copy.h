#pragma once
// Copying a file as the target platform copies one: the bytes and the read-only attribute go
// with the copy, while its rights come from the folder it lands in. So the copy is made as any
// new file of that folder is made (the process's umask, or the folder's default ACL, decides its
// permissions); a source without its owner's write permission (read-only) gives a copy without
// write permissions. Copying the shipped installation's files into a shared store folder thus
// gives every member of the folder's group the rights the folder grants.

#include <string>

namespace tk73 {

// Copies source to target. An existing target is replaced only when overwrite is set; it keeps
// its own permissions then, with the read-only rule applied. False (and no half-made new file
// left) when the source cannot be read, the target cannot be written, or both are one file.
[[nodiscard]] bool copyFileAsNew(const std::string& source, const std::string& target,
                                 bool overwrite);

}  // namespace tk73
