#include "tools/stager/demo/demo_shop.h"

#include <cstdio>

#include "archive/archive_files.h"
#include "base/date_time.h"
#include "base/folder_tree.h"
#include "base/registry_settings.h"
#include "definitions/model_info.h"
#include "operations/card_paths.h"
#include "operations/ops_crp.h"
#include "operations/store_logos.h"
#include "operations/working_store.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"
#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "storedb/store_life_cycle.h"

namespace tk73tools {

namespace {

constexpr int kRegisters = 3;

bool defaultRegisterModel(MODEL_EDB* model, std::string& error) {
    if (CTK73edbModel().GetModelFromModelNo(CMdlInfo().GetDefaultActionECRId(), model) != 1) {
        error = "the installation names no default register model";
        return false;
    }
    return true;
}

std::string number(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

bool listRegisters(int storeNo, std::string& error) {
    CTK73edbRegister registers(storeNo);
    STORE_MANAGE block;
    registers.InitRegisterEdb(&block);
    char now[TK73_MAX_PATH] = {};
    AecrbsGetNowDateTime(now);
    for (int i = 0; i < kRegisters; ++i) {
        STORE_MANAGE_ENTRY& entry = block.entries[static_cast<size_t>(i)];
        entry.storeNo = storeNo;
        entry.machineNo = i + 1;
        entry.machineName = "Register " + std::to_string(i + 1);
        entry.operateStatus = '1';
        entry.ipAddr = "192.168.0." + std::to_string(101 + i);
        entry.update = now;
    }
    if (registers.SetRegister(block) != 1) {
        error = "the registers cannot be listed";
        return false;
    }
    return true;
}

}  // namespace

bool PutSampleShopOnCard(uint32_t userMode, const std::string& card, std::string& error) {
    MODEL_EDB model;
    if (!defaultRegisterModel(&model, error)) {
        return false;
    }
    const std::string archive = tk73ops::CardArchivePath(card, model.indentName, 0);
    if (archive.empty()) {
        error = "the model's definition names no archive on the card";
        return false;
    }
    if (tk73::pathExists(archive)) {
        return true;
    }
    // The shop is made as the working store and packed to the card with its logos, as the
    // shell's Save leaves a card.
    const MODEL_EDB noController;
    const bool made =
        tk73ops::ResetWorkingStore(userMode, model, noController) == 1 &&
        AecrbsMakeDirectory(tk73pack::folderOf(archive).c_str()) == 1 &&
        CTK73opsCrp(static_cast<int>(userMode)).SaveCrpFile(archive.c_str()) == 1 &&
        tk73ops::ExtractStoreLogos(tk73ops::kWorkingStore) == nullptr &&
        tk73ops::CopyStoreLogosToCard(tk73ops::kWorkingStore,
                                      tk73ops::CardLogoFolder(card, model.indentName, 0));
    if (!made) {
        error = "the shop's archive cannot be written to " + archive;
    }
    return made;
}

bool MakeSampleShopStore(std::string& error) {
    if (CTK73edbStore().GetStoreCnt() > 0) {
        return true;
    }
    MODEL_EDB model;
    if (!defaultRegisterModel(&model, error)) {
        return false;
    }
    CTK73edbBranch branches;
    BRANCH_EDB branch;
    branch.branchNo = branches.GetNewBranchNo();
    branch.branchName = "Sample branch";
    if (branches.AddBranch(branch) != 1) {
        error = "the branch cannot be added";
        return false;
    }
    STORE_EDB store;
    store.branchNo = branch.branchNo;
    store.storeName = "Sample shop";
    store.regModelNo = model.modelNo;
    store.vekLinkage = '1';
    if (tk73store::CreateStore(store) != 1 ||
        CTK73pgmPgmFile(store.storeNo).CopyPgmFileDefaultToMainte(-1, 1) != 1) {
        error = "the store cannot be made";
        return false;
    }
    if (!listRegisters(store.storeNo, error)) {
        return false;
    }
    if (AecrbsSetDesktopRegister(number(branch.branchNo).c_str(), number(store.storeNo).c_str(),
                                 number(1).c_str()) == 0) {
        error = "the shop's register cannot be chosen";
        return false;
    }
    return true;
}

}  // namespace tk73tools
