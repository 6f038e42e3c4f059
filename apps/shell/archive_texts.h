#pragma once
// The shell's texts of its archive flows (its string table).

namespace tk73hub::text {

inline constexpr const char* kReadFailed = "Failed to read the program file.";
inline constexpr const char* kSaveFailed = "Failed to save the program file.";
inline constexpr const char* kUnexpected = "An unexpected error has occurred.";
inline constexpr const char* kArchiveMissing = "Can not find the program file.";
inline constexpr const char* kArchiveIsFolder = "The program file is directory.";
inline constexpr const char* kArchiveReadOnly = "The program file is read only.";
inline constexpr const char* kLogoCopyFailed = "Failed to overwrite graphic logo.";

}  // namespace tk73hub::text
