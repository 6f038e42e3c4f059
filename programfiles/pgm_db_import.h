#pragma once
// The import of one program file from another store: the user picks a store of the same kind of
// machine, and its maintenance file of the same number is imported into the current store's.

#include <string>
#include <string_view>

#include "base/user_interaction.h"
#include "storedb/select_store.h"

namespace tk73pgm {

// The store dialog as the import asks for it: choose only, never making the store current.
struct ImportStoreRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "ImportStoreSelect";

    // The dialog starts at the current store; withVek takes each store's controller model.
    ImportStoreRequest(int branchNo, int storeNo, bool withVek)
        : selection(tk73store::kSelectStoreChooseOnly, branchNo, storeNo, -1, withVek) {}

    std::string_view dialogName() const override { return kName; }

    tk73store::StoreSelection selection;
};

}  // namespace tk73pgm

class CTK73pgmDbImport {
  public:
    // The current store, its maintenance file as the target.
    CTK73pgmDbImport(int fileNo, int isVek);
    CTK73pgmDbImport(int fileNo, int storeNo, const char* target, int isVek);

    // 1 when imported; 0 when the user cancelled or the import failed.
    int ImportExecute();

  private:
    int m_nKind;
    int m_nFileNo;
    int m_nStoreNo;
    std::string m_target;
};
