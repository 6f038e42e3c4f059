#include "fuzz/lan_session_store.h"

#include <memory>

#include "fuzz/staged_store.h"

namespace tk73fuzz {

namespace {

std::unique_ptr<FolderSnapshot>& storeFiles() {
    static std::unique_ptr<FolderSnapshot> files;
    return files;
}

}  // namespace

void openLanStore(const std::string& root) {
    stageInstallation(root);
    storeFiles() = std::make_unique<FolderSnapshot>(mainteFolder(createCurrentStore(kLanModel)));
}

void restoreLanStore() {
    storeFiles()->restoreWhenChanged();
}

}  // namespace tk73fuzz
