#include "programfiles/pgm_loaded_file.h"

#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

int PgmLoadedFile::recordLine(long record, size_t& start) const {
    if (record < 1 || record > static_cast<long>(records.size())) {
        return 0;
    }
    start = records[static_cast<size_t>(record - 1)];
    return 1;
}

int loadPgmFile(const std::string& path, int fileNo, long limit, PgmLoadedFile& out) {
    FileBuffer contents;
    if (!readWholeFile(path, contents)) {
        return 0;
    }
    out.fileNo = fileNo;
    out.records = collectRecordLines(contents.bytes.get(), contents.size, limit);
    out.contents = std::move(contents);
    return 1;
}

}  // namespace tk73pgm
