#include "programfiles/pgm_open_file.h"

namespace tk73pgm {

int PgmOpenFile::open(const std::string& path, PgmLoadedFile* loaded, bool forWrite) {
    forWrite_ = forWrite;
    file_ = loaded;
    if (file_ == nullptr) {
        if (!loadPgmFile(path, 0, -1, own_)) {
            return 0;
        }
        file_ = &own_;
    }
    if (forWrite && !writer_.open(path, file_->contents.bytes.get(), file_->contents.size)) {
        file_ = nullptr;
        return 0;
    }
    return 1;
}

int PgmOpenFile::close() {
    int ok = 1;
    if (file_ != nullptr && forWrite_) {
        ok = writer_.close();
    }
    file_ = nullptr;
    own_ = PgmLoadedFile();
    return ok;
}

}  // namespace tk73pgm
