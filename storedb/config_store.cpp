#include "storedb/config_store.h"

#include <memory>

#include "storedb/store_configuration.h"

namespace {

int runConfiguration(std::unique_ptr<tk73store::StoreConfiguration> configuration, int& storeNo) {
    if (configuration == nullptr) {
        return 0;
    }
    tk73store::ConfigStoreRequest request(*configuration);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        return 0;
    }
    storeNo = configuration->storeNo();
    return 1;
}

}  // namespace

int CConfigStore::CreateStore() {
    return runConfiguration(tk73store::StoreConfiguration::ForNew(), storeNo_);
}

int CConfigStore::EditStore(int storeNo) {
    return runConfiguration(tk73store::StoreConfiguration::ForModify(storeNo), storeNo_);
}

int CConfigStore::CopyStore(int sourceStoreNo) {
    return runConfiguration(tk73store::StoreConfiguration::ForCopy(sourceStoreNo), storeNo_);
}
