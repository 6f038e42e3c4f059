#include "storedb/select_model.h"

#include <algorithm>

#include "base/registry_settings.h"
#include "definitions/model_info.h"
#include "storedb/edb_model.h"

namespace tk73store {

namespace {

constexpr const char* kVekNotice =
    "To use VEK and ECR together,\nit need to be program VEK tool and REG setting tool.\n\n"
    "The following files will be updated both VEK and ECR.\n\nCommon program files.\n"
    "1-Menu (PLU)\n2-Department\n3-Set menu\n4-Server\n5-Tax table.";

// A model whose attribute is 0 has no file conversion of its own, so it is never the target of
// one.
constexpr int kNoFileConvertAttribute = 0;

std::string modelNameOf(CMdlInfo& info, int modelNo) {
    Machine_Information machine;
    return info.GetMcnInfoForModelNo(1, modelNo, &machine) ? machine.modelName : std::string();
}

}  // namespace

ModelChoice::ModelChoice(int mode, int sourceModelNo) : mode_(mode) {
    CMdlInfo info;
    switch (mode) {
        case kSelectModelNewStore:
            title_ = "Create new store";
            prompt_ = "Create new store.\nPlease select the ECR type which use in store.";
            break;
        case kSelectModelFileConvert:
            title_ = "File convert";
            prompt_ = "Convert the file of \"" + modelNameOf(info, sourceModelNo) +
                      "\".\nPlease select the ECR type to convert to.";
            break;
        default:
            title_ = "New";
            prompt_ = "Please select the ECR type.";
            break;
    }
    // In the controller tool every store has a controller, so a register model that cannot be
    // combined with one is no choice there; the register tool lists it with "Use VEK" greyed.
    const bool vekTool = AecrbsGetLaunchVekTool() != 0;
    const int count = info.InitECRInfo();
    for (int index = 0; index < count; ++index) {
        Machine_Information machine;
        if (!info.GetECRInfo(index, &machine)) {
            break;
        }
        if (mode == kSelectModelFileConvert && (machine.modelAttribute == kNoFileConvertAttribute ||
                                                machine.modelNo == sourceModelNo)) {
            continue;
        }
        const bool supportsVek = info.IsVEKSupportECR(static_cast<uint32_t>(machine.modelNo)) != 0;
        if (vekTool && !supportsVek) {
            continue;
        }
        registers_.push_back({machine.modelNo, machine.modelName, supportsVek});
    }
    const CTK73edbVekModel vekModels;
    for (int index = 0; index < vekModels.GetModelCnt(); ++index) {
        MODEL_EDB model;
        if (vekModels.GetModelFromIndex(index, &model) != 0) {
            veks_.push_back({model.modelNo, model.viewName, true});
        }
    }
    showsVek_ = mode != kSelectModelFileConvert && info.GetCurrExecMode() != CMdlInfo::kSimpleMode;
}

const char* ModelChoice::note() {
    return "(*) If the setting cannot be applied in this machine,\n      Shows gray and cannot "
           "set.";
}

bool ModelChoice::canUseVek(int registerModelNo) const {
    const auto found = std::find_if(
        registers_.begin(), registers_.end(),
        [registerModelNo](const ModelChoiceEntry& e) { return e.modelNo == registerModelNo; });
    return showsVek_ && !veks_.empty() && found != registers_.end() && found->supportsVek;
}

bool ModelChoice::accept(int registerModelNo, bool useVek, int vekModelNo,
                         const std::string& caption) {
    if (registerModelNo == 0) {
        return false;
    }
    const int vek = useVek && canUseVek(registerModelNo) ? vekModelNo : 0;
    if (vek != 0) {
        tk73::ui().message(kVekNotice, caption, tk73::MessageIcon::Exclamation);
    }
    chosenRegister_ = registerModelNo;
    chosenVek_ = vek;
    return true;
}

}  // namespace tk73store

int CSelectModel::Select(int mode, int* registerModelNo) {
    int vekModelNo = 0;
    return Select(mode, registerModelNo, &vekModelNo);
}

int CSelectModel::Select(int mode, int* registerModelNo, int* vekModelNo) {
    if (registerModelNo == nullptr || vekModelNo == nullptr) {
        return 0;
    }
    tk73store::ModelChoice choice(
        mode, mode == tk73store::kSelectModelFileConvert ? *registerModelNo : 0);
    tk73store::SelectModelRequest request(choice);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok || choice.chosenRegisterModel() == 0) {
        return 0;
    }
    *registerModelNo = choice.chosenRegisterModel();
    *vekModelNo = choice.chosenVekModel();
    return 1;
}
