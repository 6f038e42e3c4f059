#pragma once
// The files the packer works with: its fixed names in the temporary folder and whole-file
// reads and writes.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tk73pack {

// A file of the system's temporary folder ("PgmFile.bin", "PgmFile.txt"); empty when the
// folder is not available.
std::string tempFile(const char* name);
// The name joined to the folder with the folder's separator; empty when it does not fit.
std::string inFolder(const std::string& folder, const std::string& name);
// The path's folder and name, split at its last separator.
std::string folderOf(const std::string& path);
std::string nameOf(const std::string& path);
// The title line of a program text file or pack text of the file number, with its CR LF.
std::string titleLine(int fileNo);
// "FILE%03dP.TXT", or the name of its code-page converted form "S_FILE%03dP.TXT".
std::string programTextName(int fileNo, bool converted);
// Writes the file whole; false when it cannot be written completely.
[[nodiscard]] bool writeWholeFile(const std::string& path, const std::string& bytes);
// The same with the file's bytes in pieces, written one after the other.
[[nodiscard]] bool writeWholeFile(const std::string& path,
                                  std::initializer_list<std::string_view> pieces);
// Copies source to target through a temporary file beside the target that is renamed over it,
// so a failed copy never leaves half a target.
[[nodiscard]] bool copyReplacing(const std::string& source, const std::string& target);

}  // namespace tk73pack
