#include "tools/cli/store_checks.h"

#include <cstdio>

#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

bool FindStore(int storeNo, STORE_EDB& out) {
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &out) == 0) {
        std::fprintf(stderr, "tk73: there is no store %d\n", storeNo);
        return false;
    }
    return true;
}

bool CheckStoreName(const std::string& name) {
    if (name.empty() || name.size() > STORE_EDB::kNameBytes) {
        std::fprintf(stderr, "tk73: a store name has 1 to %zu characters\n", STORE_EDB::kNameBytes);
        return false;
    }
    if (CTK73edbStore().IsExistStoreName(name.c_str(), -1) != 0) {
        std::fprintf(stderr, "tk73: a store is called \"%s\" already\n",
                     TerminalText(name).c_str());
        return false;
    }
    return true;
}

bool CheckModel(int modelNo, bool vek) {
    const bool known = modelNo == 0 || (vek ? CTK73edbVekModel().IsExistModelNo(modelNo)
                                            : CTK73edbModel().IsExistModelNo(modelNo)) != 0;
    if (!known) {
        std::fprintf(stderr, "tk73: there is no %s model %d\n", vek ? "controller" : "register",
                     modelNo);
    }
    return known;
}

}  // namespace tk73cli
