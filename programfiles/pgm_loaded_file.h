#pragma once
// One program file read whole, with the starts of its record lines in record order.

#include <cstddef>
#include <string>
#include <vector>

#include "programfiles/pgm_file_io.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

struct PgmLoadedFile {
    int fileNo = 0;
    FileBuffer contents;
    // The starts of the record lines (a program file is never larger than kMaxProgramFileSize).
    std::vector<RecordLineStart> records;

    int recordCount() const { return static_cast<int>(records.size()); }
    // The start of record n's line; 0 when the file has no such record.
    [[nodiscard]] int recordLine(long record, size_t& start) const {
        if (record < 1 || record > static_cast<long>(records.size())) {
            return 0;
        }
        start = records[static_cast<size_t>(record - 1)];
        return 1;
    }
};

// Reads the file and collects its record lines, at most limit of them (limit < 0: all); 0 when
// it cannot be read.
[[nodiscard]] int loadPgmFile(const std::string& path, int fileNo, long limit, PgmLoadedFile& out);

}  // namespace tk73pgm
