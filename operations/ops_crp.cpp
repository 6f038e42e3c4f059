#include "operations/ops_crp.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "archive/archive_files.h"
#include "base/user_interaction.h"
#include "definitions/model_info.h"
#include "operations/active_store_info.h"
#include "operations/staged_archive.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "platform/running_program.h"
#include "platform/whole_file.h"
#include "storedb/edb_model.h"

namespace {

// The user mode of the professional layout, whose stores are kept in the store database.
constexpr int kProfessionalMode = 2;

// OpenCrpFile's answer when the user cancelled the choice of the archive.
constexpr int kCancelled = -1;

// The archive's model code, written into every CRP archive.
constexpr const char* kCrpModelCode = "3692";

std::optional<std::string> chooseArchiveToOpen() {
    tk73::FileRequest request;
    request.types = {{"ECR Auto PGM file", "*.092"}, {"All types", "*.*"}};
    return tk73::ui().openFile(request);
}

// The name the user chose, ".crp" added when it has no extension, and an existing file only
// once the user agreed to overwrite it; nothing when the user cancelled.
std::optional<std::string> chooseArchiveToSave() {
    tk73::FileRequest request;
    request.types = {{"ECR Auto PGM file", "*.092"}};
    for (;;) {
        std::optional<std::string> chosen = tk73::ui().saveFile(request);
        if (!chosen || chosen->empty()) {
            return std::nullopt;
        }
        if (tk73pack::nameOf(*chosen).find('.') == std::string::npos) {
            *chosen += ".crp";
        }
        if (!tk73::pathExists(*chosen)) {
            return chosen;
        }
        const std::string question =
            tk73pack::nameOf(*chosen) + " has already exist. Do you want to overwrite the file?\n";
        if (tk73::ui().question(question, tk73::runningProgramName(), tk73::Buttons::YesNo,
                                tk73::Button::No,
                                tk73::MessageIcon::Exclamation) == tk73::Button::Yes) {
            return chosen;
        }
        request.fileName = *chosen;
    }
}

// Appends the active store's controller part to the archive: true when the store has no
// controller of a known model, or its part was appended.
bool appendControllerPart(CTK73packArchive& archive, const CTK73opsActiveStoreInfo& active,
                          const std::string& crpPath) {
    CRPMODELDATA model{};
    if (active.GetStore().vekModelNo == 0 ||
        archive.GetVekModelFromModelNo(active.GetStore().vekModelNo, &model) == 0) {
        return true;
    }
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (active.GetPathInfo(ini, mainte, defaults, 1) != 1) {
        return false;
    }
    archive.AppendDivIDRec(crpPath.c_str(), static_cast<uint8_t>(model.idCode));
    const std::string bin = tk73pack::tempFile("PgmFile.bin");
    CTK73packArchive controller(ini, mainte, 1);
    const bool appended = controller.PackBinFile(bin.c_str(), "", -1) == 1 &&
                          archive.AppendFile(crpPath.c_str(), bin.c_str()) == 1;
    std::error_code error;
    std::filesystem::remove(bin, error);
    return appended;
}

// The selected store of the professional layout takes the archive's settings in place: the store,
// its models and its other files stay. The archive must be one of the store's register model, and
// a controller's part one of the store's controller model.
int openIntoActiveStore(const char* path) {
    const CTK73opsActiveStoreInfo active;
    const STORE_EDB& store = active.GetStore();
    if (store.storeNo < 1 || active.GetRegModel().modelNo == 0) {
        return 0;
    }
    tk73ops::StagedArchive staged;
    if (!staged.unpack(path, active.GetRegModel()) ||
        (staged.vekModel().modelNo != 0 && staged.vekModel().modelNo != store.vekModelNo)) {
        return 0;
    }
    return staged.placeInto(store.storeNo) ? 1 : 0;
}

}  // namespace

CTK73opsCrp::CTK73opsCrp(int mode) : m_mode(mode) {}

int CTK73opsCrp::OpenCrpFile(char* path, int, int) {
    // The single-store layouts replace their working store with the archive's; the professional
    // layout loads it into the selected store.
    if (path == nullptr || m_mode < 0 || m_mode > kProfessionalMode) {
        return 0;
    }
    if (path[0] == '\0') {
        // The caller tells a cancel from a failure: only a failure is worth a message.
        const std::optional<std::string> chosen = chooseArchiveToOpen();
        if (!chosen || chosen->empty()) {
            return kCancelled;
        }
        if (chosen->size() >= TK73_MAX_PATH) {
            return 0;
        }
        std::memcpy(path, chosen->c_str(), chosen->size() + 1);
    }
    uint8_t machineId = 0;
    if (CTK73packArchive().GetNextMacID(path, &machineId) == 0) {
        return 0;
    }
    if (m_mode == kProfessionalMode) {
        return openIntoActiveStore(path);
    }
    MODEL_EDB registerModel;
    if (CTK73edbModel().GetModelFromModelNo(CMdlInfo().GetDefaultActionECRId(), &registerModel) ==
        0) {
        return 0;
    }
    tk73ops::StagedArchive staged;
    if (!staged.unpack(path, registerModel)) {
        return 0;
    }
    // InitDataBase: the store database now holds the working store alone, made afresh.
    if (tk73ops::ResetWorkingStore(static_cast<uint32_t>(m_mode), registerModel,
                                   staged.vekModel()) == 0) {
        return 0;
    }
    return staged.placeInto(tk73ops::kWorkingStore) ? 1 : 0;
}

int CTK73opsCrp::SaveCrpFile(const char* path) {
    std::string target = path != nullptr ? path : "";
    if (target.empty()) {
        const std::optional<std::string> chosen = chooseArchiveToSave();
        if (!chosen) {
            return 0;
        }
        target = *chosen;
    }
    const CTK73opsActiveStoreInfo active;
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (active.GetPathInfo(ini, mainte, defaults, 0) != 1) {
        return 0;
    }
    // The whole archive, controller part and all, is made beside the target and renamed over
    // it, so a failed save leaves the card's archive as it was.
    const std::string partial = target + ".new";
    bool saved = false;
    {
        CTK73packArchive archive(ini, mainte, 0);
        archive.SetMdlCode(kCrpModelCode);
        saved = archive.PackCrpFile(partial.c_str(), active.GetRegModel().indentName.c_str(), -1) ==
                    1 &&
                appendControllerPart(archive, active, partial);
    }
    std::error_code error;
    if (saved) {
        std::filesystem::rename(partial, target, error);
    }
    if (!saved || error) {
        std::filesystem::remove(partial, error);
        return 0;
    }
    return 1;
}

int CTK73opsCrp::GetCrpModelDataFromRmCode(const char* rmCode, CRPMODELDATA* out) {
    Machine_Information model;
    if (rmCode == nullptr || out == nullptr ||
        CMdlInfo().GetMcnInfoForRmCode(1, rmCode, &model) == 0) {
        return 0;
    }
    *out = MakeCrpModelData(model);
    return 1;
}
