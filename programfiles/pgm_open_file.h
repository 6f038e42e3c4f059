#pragma once
// A program file as one access of the handle works on it: the handle's loaded copy or a copy
// read for this access, and for writes the file itself opened for reading and writing.

#include <cstddef>
#include <string>

#include "programfiles/pgm_file_io.h"
#include "programfiles/pgm_loaded_file.h"

namespace tk73pgm {

class PgmOpenFile {
  public:
    // Opens the file at path for the access. loaded is the handle's copy of it or null; reads
    // use it, writes change it together with the file so that the two stay alike. 0 when the
    // file cannot be read, or opened for writing.
    [[nodiscard]] int open(const std::string& path, PgmLoadedFile* loaded, bool forWrite);
    // Writes the changes to the file (when opened for writing) and lets it go; 1 on success.
    [[nodiscard]] int close();

    const PgmLoadedFile& file() const { return *file_; }
    // The held bytes, for a write to change in place; every change is reported to changed.
    char* bytes() { return file_->contents.bytes.get(); }
    // Notes that count bytes at offset of the held bytes have changed: they reach the file by
    // close at the latest.
    void changed(size_t offset, size_t count) { writer_.touch(offset, count); }

  private:
    PgmLoadedFile own_;
    PgmLoadedFile* file_ = nullptr;
    InPlaceWriter writer_;
    bool forWrite_ = false;
};

}  // namespace tk73pgm
