#include "programfiles/pgm_loaded_file.h"

#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

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
