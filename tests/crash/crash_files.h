#pragma once
// What the crash-consistency writer and its test share: the files of each kind of write and the
// contents of the two generations the writer alternates between.

#include <cstdio>
#include <string>

namespace tk73crash {

inline constexpr const char* kHiveKey = "SOFTWARE\\KELVO\\TK73TOOL\\CRASH";
inline constexpr const char* kDefinitionFile = "XE-A.ini";
inline constexpr const char* kProgramFile = "FILE004P.TXT";
inline constexpr const char* kArchive = "SHOP.crp";
inline constexpr int kBranches = 300;
inline constexpr int kProgramRecords = 2000;
inline constexpr int kItemWidth = 40;
// The store's program file that comes over the LAN: the departments.
inline constexpr int kReceivedFileNo = 5;

// Contents of a generation differ in length as well, so that a mix of both cannot pass for
// either.
inline std::string generationText(int generation, size_t length) {
    return std::string(length + static_cast<size_t>(generation) * (length / 7 + 1),
                       generation == 0 ? 'a' : 'b');
}

// The binary program file the register sent for a generation, as the LAN service leaves it for
// the conversion into the store.
inline std::string receivedSource(const std::string& folder, int generation) {
    return folder + "/received" + std::to_string(generation) + ".bin";
}

// The records of the received file in a generation.
inline int receivedRecords(int generation) {
    return 400 + generation * 57;
}

// The department file of a generation as a text program file: the register's header and file
// lines and one record a department.
inline std::string receivedText(int generation) {
    std::string text =
        "\"C\",\"n:P0005:\"\r\n"
        "\"H\",\"KR3010\",\"20240401\",\"KR301            \",\"01\",\"REGISTER     \"\r\n"
        "\"F\",\"FILE005\",\"Department                    \"\r\n";
    const std::string name(12, generation == 0 ? 'a' : 'b');
    for (int record = 1; record <= receivedRecords(generation); ++record) {
        char line[128];
        std::snprintf(
            line, sizeof line,
            "%05d,\"%04d\",\"%s\",\"20000000\",\"050000\",\"0001\",\"02\",\"00000000\"\r\n", record,
            record, name.c_str());
        text += line;
    }
    return text;
}

}  // namespace tk73crash
