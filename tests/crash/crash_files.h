#pragma once
// What the crash-consistency writer and its test share: the files of each kind of write and the
// contents of the two generations the writer alternates between.

#include <string>

namespace tk73crash {

inline constexpr const char* kHiveKey = "SOFTWARE\\KELVO\\TK73TOOL\\CRASH";
inline constexpr const char* kDefinitionFile = "XE-A.ini";
inline constexpr const char* kProgramFile = "FILE004P.TXT";
inline constexpr const char* kArchive = "SHOP.crz";
inline constexpr int kStores = 300;
inline constexpr int kProgramRecords = 2000;
inline constexpr int kItemWidth = 40;

// Contents of a generation differ in length as well, so that a mix of both cannot pass for
// either.
inline std::string generationText(int generation, size_t length) {
    return std::string(length + static_cast<size_t>(generation) * (length / 7 + 1),
                       generation == 0 ? 'a' : 'b');
}

// The archive the writer copies into place for a generation.
inline std::string archiveSource(const std::string& folder, int generation) {
    return folder + "/source" + std::to_string(generation) + ".crz";
}

}  // namespace tk73crash
