#pragma once
// The store a command works on. The libraries work on the active store: store 1 in the single
// store layouts, the desktop's current store in the professional one. A command that names a
// store with --store makes it the desktop's current store for as long as it runs and puts the
// user's own selection back afterwards, so a script never moves the shell's selection.
//
// It also does for the store life cycle what the shell does: when the store configuration asks
// for a store's default program files, they are copied.

#include <string>

#include "storedb/copy_pgm_files_notice.h"
#include "storedb/edb_records.h"

namespace tk73cli {

// Whether the installation keeps several stores (the professional layout).
bool KeepsSeveralStores();

class StoreScope {
  public:
    // Copies default program files on request while the object lives.
    StoreScope();
    ~StoreScope();
    StoreScope(const StoreScope&) = delete;
    StoreScope& operator=(const StoreScope&) = delete;

    // Makes the store the active one. False with a message on standard error when it is not
    // there, or when a single-store installation is asked for another store than 1.
    bool Select(int storeNo);

  private:
    tk73store::CopyPgmFilesHandler previousHandler_;
    bool selected_ = false;
    std::string branch_;
    std::string store_;
    std::string register_;
};

}  // namespace tk73cli
