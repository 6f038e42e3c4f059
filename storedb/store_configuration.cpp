#include "storedb/store_configuration.h"

#include "base/registry_settings.h"
#include "base/user_interaction.h"
#include "storedb/edb_field_text.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/store_life_cycle.h"

namespace tk73store {

namespace {

constexpr int kVek = 1;

void showError(const char* text) {
    tk73::ui().message(text, kStoreSettingCaption, tk73::MessageIcon::Error);
}

// Both questions of the dialog lead to stored data being overwritten or deleted (the store's
// record and machine lists, or a side's programs), so Cancel is the default answer.
bool askOkCancel(const char* text) {
    return tk73::ui().question(text, kStoreSettingCaption, tk73::Buttons::OkCancel,
                               tk73::Button::Cancel,
                               tk73::MessageIcon::Exclamation) == tk73::Button::Ok;
}

std::vector<ModelChoiceEntry> modelEntries(const CTK73edbModelBase& models) {
    std::vector<ModelChoiceEntry> entries;
    for (int index = 0; index < models.GetModelCnt(); ++index) {
        MODEL_EDB model;
        if (models.GetModelFromIndex(index, &model) != 0) {
            entries.push_back({model.modelNo, model.viewName, false});
        }
    }
    return entries;
}

}  // namespace

StoreConfiguration::StoreConfiguration(int mode, const STORE_EDB& record, int sourceStoreNo)
    : mode_(mode),
      record_(record),
      sourceStoreNo_(sourceStoreNo),
      vekTool_(AecrbsGetLaunchVekTool() != 0),
      branches_(branchChoices()),
      registerModels_(modelEntries(CTK73edbModel())),
      vekModels_(modelEntries(CTK73edbVekModel())) {
    if (mode == kConfigStoreModify) {
        stored_ = record;
    }
}

std::unique_ptr<StoreConfiguration> StoreConfiguration::ForNew() {
    STORE_EDB record;
    record.storeNo = CTK73edbStore().GetNewStoreNo();
    if (record.storeNo == 0) {
        return nullptr;
    }
    return std::unique_ptr<StoreConfiguration>(new StoreConfiguration(kConfigStoreNew, record, 0));
}

std::unique_ptr<StoreConfiguration> StoreConfiguration::ForModify(int storeNo) {
    STORE_EDB record;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &record) != 1) {
        return nullptr;
    }
    std::unique_ptr<StoreConfiguration> configuration(
        new StoreConfiguration(kConfigStoreModify, record, 0));
    configuration->readConnections(record);
    return configuration;
}

std::unique_ptr<StoreConfiguration> StoreConfiguration::ForCopy(int sourceStoreNo) {
    STORE_EDB source;
    STORE_EDB copy;
    if (CTK73edbStore().GetStoreFromStoreNo(sourceStoreNo, &source) != 1 ||
        PrepareStoreCopy(sourceStoreNo, copy, kStoreSettingCaption) != 1) {
        return nullptr;
    }
    std::unique_ptr<StoreConfiguration> configuration(
        new StoreConfiguration(kConfigStoreCopy, copy, sourceStoreNo));
    configuration->readConnections(source);
    return configuration;
}

bool StoreConfiguration::confirmModelChange(int kind, int previousModelNo, int newModelNo) const {
    const int storedModelNo = kind == kVek ? stored_.vekModelNo : stored_.regModelNo;
    // Only the step away from the stored model costs the store its programs; a new store, a
    // side without a model and a return to the stored model lose nothing.
    if (mode_ != kConfigStoreModify || storedModelNo == 0 || previousModelNo != storedModelNo ||
        newModelNo == storedModelNo) {
        return true;
    }
    return askOkCancel(kind == kVek ? "If change VEK model,\nall of VEK setting data will be "
                                      "cleared.\n\nAre you sure?"
                                    : "Changing type of machine, it'll delete programs \nin "
                                      "current ECR. Do you want to modify?");
}

bool StoreConfiguration::checkFields(const StoreFields& fields) const {
    const std::string name = boundedText(fields.name, STORE_EDB::kNameBytes);
    if (name.empty()) {
        showError("Enter store descriptor.");
        return false;
    }
    if (CTK73edbStore().IsExistStoreName(name.c_str(), record_.storeNo)) {
        showError("The store name has already exist.");
        return false;
    }
    if (vekTool_ && fields.vekModelNo == 0) {
        showError("Please select the VEK type.");
        return false;
    }
    if (!vekTool_ && fields.regModelNo == 0) {
        showError("Select ECR model.");
        return false;
    }
    return true;
}

bool StoreConfiguration::applyLifeCycle(STORE_EDB& record) {
    switch (mode_) {
        case kConfigStoreNew:
            return CreateStore(record) == 1;
        case kConfigStoreModify:
            return ChangeStore(record) == 1;
        default:
            return CopyStore(sourceStoreNo_, record, kStoreSettingCaption) == 1;
    }
}

bool StoreConfiguration::accept(const StoreFields& fields) {
    if (!checkFields(fields) || !askOkCancel("Are you sure to save setting?")) {
        return false;
    }
    STORE_EDB record = record_;
    record.storeName = boundedText(fields.name, STORE_EDB::kNameBytes);
    record.clerk = boundedText(fields.clerk, STORE_EDB::kClerkBytes);
    record.comment = boundedText(fields.comment, STORE_EDB::kCommentBytes);
    record.branchNo = fields.branchNo;
    if (modelsEditable()) {
        record.regModelNo = fields.regModelNo;
        record.vekModelNo = fields.vekModelNo;
    }
    markSelectionTypes(record);
    if (!applyLifeCycle(record)) {
        return false;
    }
    record_ = record;
    stored_ = record;
    mode_ = kConfigStoreModify;
    return writeMachineLists(record.storeNo);
}

}  // namespace tk73store
