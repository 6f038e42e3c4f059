#include "storedb/help_manuals.h"

#include <algorithm>

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/user_interaction.h"
#include "platform/shell_open.h"

namespace tk73store {

namespace {

constexpr const char* kDocumentFolder = "DOCUMENT";
constexpr const char* kHelpCaption = "ECR Setting Tool for LMX, RZ series";
constexpr int kOwnManualModel = 301;
constexpr uint32_t kVekSimpleMode = 3;
constexpr uint32_t kVekProMode = 4;

uint32_t effectiveUserMode(bool vekTool, uint32_t userMode) {
    if (vekTool) {
        return userMode == kVekProMode ? kVekProMode : kVekSimpleMode;
    }
    return userMode > 2 ? 0 : userMode;
}

int openManual(const std::string& name) {
    const std::string path = manualPath(name);
    // The opener starts for any file and fails out of sight when no program takes the type.
    if (!path.empty() && tk73::hasAssociatedProgram(path) && AecrbsExecuteFile(path.c_str()) == 1) {
        return 1;
    }
    tk73::ui().message("Can not show help.", kHelpCaption, tk73::MessageIcon::Error);
    return 0;
}

}  // namespace

std::string toolManualName(bool vekTool, int currentVekSetting, uint32_t userMode) {
    const uint32_t mode = effectiveUserMode(vekTool, userMode);
    if (!vekTool) {
        if (currentVekSetting == 0) {
            return "TK73TOOL.pdf";
        }
        return mode == 0 ? "VEK_ECRNET.pdf" : "VEK_ECRPRO.pdf";
    }
    if (currentVekSetting == 0) {
        return mode == kVekSimpleMode ? "ECR_VEKSPL.pdf" : "ECR_VEKPRO.pdf";
    }
    return mode == kVekSimpleMode ? "VEK_SPLMOD.pdf" : "VEK_PROMOD.pdf";
}

std::string pgmFileManualName(int currentVekSetting, int registerModelNo) {
    if (currentVekSetting != 0) {
        return "DT_HA/VEK.htm";
    }
    return registerModelNo == kOwnManualModel ? "DT_HB/ECR.htm" : "DT_HC/ECR.htm";
}

std::string manualPath(const std::string& name) {
    char path[TK73_MAX_PATH] = {};
    if (AecrbsGetTK73InstallPath(path) != 1 || AecrbsAddPath(path, kDocumentFolder) != 1) {
        return {};
    }
    // Each part joins with the separator rule of the install folder.
    size_t start = 0;
    while (start <= name.size()) {
        const size_t stop = std::min(name.find('/', start), name.size());
        if (AecrbsAddPath(path, name.substr(start, stop - start).c_str()) != 1) {
            return {};
        }
        start = stop + 1;
    }
    return path;
}

}  // namespace tk73store

int CTK73hlp::ShowHelpToolManual() {
    uint32_t userMode = 0;
    AecrbsGetTK73UserMode(&userMode);
    return tk73store::openManual(tk73store::toolManualName(AecrbsGetLaunchVekTool() != 0,
                                                           AecrbsGetCurrentVekSetting(), userMode));
}

int CTK73hlp::ShowHelpPgmFileManual(int registerModelNo) {
    return tk73store::openManual(
        tk73store::pgmFileManualName(AecrbsGetCurrentVekSetting(), registerModelNo));
}
