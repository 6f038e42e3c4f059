#include "storedb/edb_model.h"

#include "base/registry_settings.h"
#include "definitions/model_info.h"
#include "storedb/edb_connection.h"
#include "storedb/edb_field_text.h"

namespace {

using tk73store::boundedText;

// The model attribute of the model lists is a small number kept as one status character.
char statusOf(int attribute) {
    return attribute >= 0 && attribute <= 9 ? static_cast<char>('0' + attribute) : '0';
}

}  // namespace

void CTK73edbModelBase::Load() {
    models_.clear();
    CMdlInfo info;
    const int isRegister = IsCurrModeECR();
    const int count = info.InitMcnInfo(isRegister);
    for (int index = 0; index < count && index < EDB_MAX_MODEL; ++index) {
        Machine_Information machine;
        if (!info.GetMcnInfo(isRegister, index, &machine)) {
            break;
        }
        MODEL_EDB model;
        model.modelNo = machine.modelNo;
        model.indentName = boundedText(machine.indentName, MODEL_EDB::kIdentBytes);
        model.viewName = boundedText(machine.modelName, MODEL_EDB::kViewBytes);
        model.modelStatus = statusOf(machine.modelAttribute);
        model.update = boundedText(machine.modelText, MODEL_EDB::kUpdateBytes);
        models_.push_back(model);
    }
}

int CTK73edbModelBase::GetModelFromIndex(int index, MODEL_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    if (index < 0 || index >= GetModelCnt()) {
        return 0;
    }
    *out = models_[static_cast<size_t>(index)];
    return 1;
}

int CTK73edbModelBase::GetModelFromModelNo(int modelNo, MODEL_EDB* out) const {
    if (out == nullptr) {
        return 0;
    }
    out->Clear();
    for (const MODEL_EDB& model : models_) {
        if (model.modelNo == modelNo) {
            *out = model;
            return 1;
        }
    }
    return 0;
}

int CTK73edbModelBase::IsExistModelNo(int modelNo) const {
    for (const MODEL_EDB& model : models_) {
        if (model.modelNo == modelNo) {
            return 1;
        }
    }
    return 0;
}

CTK73edbModel::CTK73edbModel() {
    if (tk73store::EdbConnection().CreatedDatabaseDirectory()) {
        // Only the programs' default choice of a store; when it cannot be written, the choice
        // stays as it was and is checked where it is used.
        (void)AecrbsSetDesktopRegister("999", "999", "999");
    }
    Load();
}
