// Arbitrary store table files into the CSV reader. The records read, written again with every
// item quoted, must read back as the same records (unless the writer refuses an item over its
// limits, which it reports).

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "base/csv_reader.h"
#include "base/csv_writer.h"
#include "base/memory.h"
#include "fuzz/fuzz_environment.h"

namespace {

constexpr int kFields = 16;
using Record = std::vector<std::string>;

std::string g_folder;

std::vector<Record> readRecords(const std::string& path) {
    std::vector<Record> records;
    CSVR* reader = AecrbsCreateCSVR(nullptr, path.c_str());
    if (reader == nullptr) {
        __builtin_trap();
    }
    char* fields[kFields] = {};
    while (AecrbsReadCsvRecord(reader, fields, kFields) == 1) {
        Record record;
        for (char*& field : fields) {
            if (field != nullptr) {
                record.emplace_back(field);
                AecrbsFree(field);
                field = nullptr;
            }
        }
        records.push_back(std::move(record));
    }
    AecrbsDeleteCSVR(reader);
    return records;
}

// False when the writer refused an item.
bool writeRecords(const std::string& path, const std::vector<Record>& records) {
    CSVW* writer = AecrbsCreateCSVW(nullptr, path.c_str());
    bool written = writer != nullptr;
    for (const Record& record : records) {
        for (const std::string& item : record) {
            written = written && AecrbsSetCsvReitem(writer, item.c_str(), 1) == 1;
        }
        written = written && AecrbsWriteCsvRecord(writer) == 1;
    }
    return AecrbsDeleteCSVW(writer) == 1 && written;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = tk73fuzz::usePrivateEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = g_folder + "/input.edb";
    const std::string output = g_folder + "/output.edb";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::vector<Record> records = readRecords(input);
    // A NUL ends a field's text for the reader's callers, so such input cannot read back.
    if (std::memchr(data, 0, size) != nullptr || !writeRecords(output, records)) {
        return 0;
    }
    if (readRecords(output) != records) {
        __builtin_trap();
    }
    return 0;
}
