// Arbitrary text program files through the program file handle. The first bytes of an input
// place one item (type, field, position, width), name a record and give a value; the rest is the
// maintenance copy of file 4. The file's layout must lie inside the file and write back as it was
// read, and a read over the records must give what reads one by one give. A value the handle
// writes reads back, is found by a search from its record and changes only the item's characters
// in that record; a refused write leaves the file as it was.

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_environment.h"
#include "programfiles/pgm_file_rw.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr size_t kPlacement = 13;  // bytes of an input that place the item and give the value
constexpr int kRecords = 16;       // records whose reads are compared
constexpr int kFileNo = 4;

std::string g_folder;

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A value as the handle gives it back: the text of a character item, else the number.
struct Value {
    std::string text;
    uint64_t number = 0;
    bool operator==(const Value&) const = default;
};

std::optional<Value> readItem(CPgmHandle& handle, tagPGMITEMDEF item, int record) {
    Value value;
    if (item.nDataType == PGM_DATA_CHAR) {
        char text[64] = {};
        if (handle.ReadItem(&item, record, text, sizeof text) != 1) {
            return std::nullopt;
        }
        value.text = text;
    } else if (handle.ReadItem(&item, record, &value.number, 8) != 1) {
        return std::nullopt;
    }
    return value;
}

// The layout found must lie inside the file, and writing the contents back keeps the file.
void checkLayout(const std::string& path, const std::string& file) {
    CTK73pgmPgmFileRW rw(path.c_str());
    if (rw.ReadPgmFile() != 1) {
        check(rw.m_pContents == nullptr);
        return;
    }
    check(rw.m_nFileSize == static_cast<int>(file.size()) && rw.m_pContents[file.size()] == '\0' &&
          std::memcmp(rw.m_pContents.get(), file.data(), file.size()) == 0);
    check(rw.m_nNumberWidth >= 4 && rw.m_nNumberWidth <= 6 && rw.m_nRecordLength > 2 &&
          rw.m_nHeaderLines >= 0 && rw.m_nHeaderLength >= 0 && rw.m_nRecordCount >= 0 &&
          rw.m_nFieldCount >= 1);
    check(static_cast<int64_t>(rw.m_nHeaderLength) +
              static_cast<int64_t>(rw.m_nRecordCount) * rw.m_nRecordLength <=
          rw.m_nFileSize);
    check(rw.WritePgmFile() == 1 && readFile(path) == file);
}

// The item the placement bytes describe, on records 1 to 99 of file 4.
tagPGMITEMDEF itemOf(const uint8_t* placement) {
    tagPGMITEMDEF item;
    item.nFileNo = kFileNo;
    item.nMemoryType = PGM_MEMORY_INDEX;
    item.nFirstRecord = 1;
    item.nRecordCount = 99;
    item.nDataType = placement[0] % 4;
    item.nFieldIndex = 1 + placement[1] % 8;
    item.nPosition = 1 + placement[2] % 16;
    item.nWidth = item.nDataType == PGM_DATA_BIT ? 1 + placement[3] % 4 : 1 + placement[3] % 12;
    return item;
}

// The value to write, from eight bytes: a text of letters, digits and blanks that fits the
// width, or a number with no more digits than the width.
Value valueOf(const tagPGMITEMDEF& item, const uint8_t* bytes) {
    uint64_t seed = 0;
    std::memcpy(&seed, bytes, sizeof seed);
    Value value;
    switch (item.nDataType) {
        case PGM_DATA_CHAR: {
            static constexpr char kLetters[] = "ABCXYZabcxyz0189 ";
            const size_t length = 1 + seed % static_cast<uint64_t>(item.nWidth);
            for (size_t i = 0; i < length && i < sizeof seed; ++i) {
                value.text += kLetters[bytes[i] % (sizeof kLetters - 1)];
            }
            break;
        }
        case PGM_DATA_DIGIT: {
            uint64_t limit = 1;
            for (int i = 0; i < item.nWidth; ++i) {
                limit *= 10;
            }
            value.number = seed % limit;
            break;
        }
        case PGM_DATA_HEX:
            value.number = seed & ((uint64_t{1} << (4 * item.nWidth)) - 1);
            break;
        default:
            value.number = seed & 1;
            break;
    }
    return value;
}

// What a read gives after the value was written: a text padded with blanks to the width.
Value readBack(const tagPGMITEMDEF& item, Value value) {
    if (item.nDataType == PGM_DATA_CHAR) {
        value.text.resize(static_cast<size_t>(item.nWidth), ' ');
    }
    return value;
}

int writeItem(CPgmHandle& handle, tagPGMITEMDEF item, int record, const Value& value) {
    return item.nDataType == PGM_DATA_CHAR
               ? handle.WriteItem(&item, record, value.text.c_str(),
                                  static_cast<int>(value.text.size() + 1))
               : handle.WriteItem(&item, record, &value.number, 8);
}

int searchItem(CPgmHandle& handle, tagPGMITEMDEF item, int record, const Value& value, bool forward,
               bool caseSensitive) {
    return item.nDataType == PGM_DATA_CHAR
               ? handle.SearchItem(&item, record, value.text.c_str(),
                                   static_cast<int>(value.text.size() + 1), forward, caseSensitive,
                                   0)
               : handle.SearchItem(&item, record, &value.number, 8, forward, caseSensitive, 0);
}

// A line end: LF, or the CR of a CR LF. A CR alone is data of its field.
bool lineEndAt(const std::string& bytes, size_t at) {
    return bytes[at] == '\n' ||
           (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n');
}

// A read over all the records, which reuses the layout of one line for the lines that match it,
// gives what the reads one by one give: the same values, and a failure only where one of them
// fails (a number too wide for 64 bits reads as length 0 there and fails alone).
void checkRangeRead(CPgmHandle& handle, tagPGMITEMDEF item,
                    const std::vector<std::optional<Value>>& single) {
    PGMITEMDATAARRAY values;
    if (handle.ReadItems(&item, 1, 1, kRecords, &values, 0) != 1) {
        bool failed = false;
        for (const std::optional<Value>& value : single) {
            failed = failed || !value.has_value();
        }
        check(failed);
        return;
    }
    for (int r = 1; r <= kRecords; ++r) {
        const tagPGMITEMDATA& read = values[static_cast<size_t>(r - 1)];
        const std::optional<Value>& alone = single[static_cast<size_t>(r - 1)];
        if (item.nDataType != PGM_DATA_CHAR && read.length == 0) {
            check(!alone.has_value());
            continue;
        }
        Value value;
        if (item.nDataType == PGM_DATA_CHAR) {
            value.text = read.text;
        } else {
            value.number = read.value;
        }
        check(read.record == r && alone == value);
    }
}

// The written bytes: one run no longer than the item, with no line end before or after.
void checkChangedBytes(const tagPGMITEMDEF& item, const std::string& before,
                       const std::string& after) {
    check(after.size() == before.size());
    size_t first = 0;
    while (first < before.size() && before[first] == after[first]) {
        ++first;
    }
    if (first == before.size()) {
        return;
    }
    size_t last = before.size() - 1;
    while (before[last] == after[last]) {
        --last;
    }
    const size_t run = item.nDataType == PGM_DATA_BIT ? 1 : static_cast<size_t>(item.nWidth);
    check(last - first + 1 <= run);
    for (size_t i = first; i <= last; ++i) {
        check(!lineEndAt(before, i) && !lineEndAt(after, i));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = tk73fuzz::usePrivateEnvironment();
    // The handle needs a definition file to open; the item is placed here, not resolved.
    writeFile(g_folder + "/MODEL.INI", "[SYSTEM]\r\nINIFILEVER=1\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kPlacement) {
        return 0;
    }
    const std::string file(reinterpret_cast<const char*>(data) + kPlacement, size - kPlacement);
    const std::string path = g_folder + "/FILE004P.TXT";
    writeFile(path, file);
    checkLayout(path, file);

    CPgmHandle handle;
    check(handle.Open((g_folder + "/MODEL.INI").c_str(), g_folder.c_str(), g_folder.c_str()) == 1);
    const tagPGMITEMDEF item = itemOf(data);
    const int record = 1 + data[4] % kRecords;
    const Value value = valueOf(item, data + 5);
    std::vector<std::optional<Value>> before;
    for (int r = 1; r <= kRecords; ++r) {
        before.push_back(readItem(handle, item, r));
    }
    checkRangeRead(handle, item, before);

    if (writeItem(handle, item, record, value) != 1) {
        check(readFile(path) == file);
        return 0;
    }
    checkChangedBytes(item, file, readFile(path));
    check(readItem(handle, item, record) == readBack(item, value));
    for (int r = 1; r <= kRecords; ++r) {
        check(r == record || readItem(handle, item, r) == before[static_cast<size_t>(r - 1)]);
    }
    // Hexadecimal items are searched as text; the others for the value just written.
    if (item.nDataType != PGM_DATA_HEX) {
        for (const bool forward : {true, false}) {
            for (const bool caseSensitive : {true, false}) {
                check(searchItem(handle, item, record, value, forward, caseSensitive) == record);
            }
        }
    }
    return 0;
}
