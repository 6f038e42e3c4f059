#pragma once
// Reading a whole CSV file through the reader, each field as text or nullopt for an entry the
// record left null.

#include <optional>
#include <string>
#include <vector>

#include "base/csv_reader.h"
#include "base/memory.h"

using CsvField = std::optional<std::string>;
using CsvRecord = std::vector<CsvField>;

inline std::vector<CsvRecord> readCsvRecords(const std::string& path, int count) {
    std::vector<CsvRecord> records;
    CSVR* reader = AecrbsCreateCSVR(nullptr, path.c_str());
    if (reader == nullptr) {
        return records;
    }
    std::vector<char*> fields(static_cast<size_t>(count), nullptr);
    while (AecrbsReadCsvRecord(reader, fields.data(), count) == 1) {
        CsvRecord record;
        for (char*& field : fields) {
            record.push_back(field ? CsvField(field) : std::nullopt);
            AecrbsFree(field);
            field = nullptr;
        }
        records.push_back(record);
    }
    AecrbsDeleteCSVR(reader);
    return records;
}
