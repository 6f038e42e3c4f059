// save and open: a store as a CRP archive (or a CRZ archive of part of its PLU file), and an
// archive as a fresh store.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "archive/pack_archive.h"
#include "base/install_folders.h"
#include "definitions/model_info.h"
#include "operations/ops_crp.h"
#include "operations/ops_crz.h"
#include "operations/staged_archive.h"
#include "operations/working_store.h"
#include "platform/api.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/store_scope.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

namespace {

constexpr int kMaxPluRecord = 99999;

int userMode() {
    uint32_t mode = 0;
    AecrbsGetTK73UserMode(&mode);
    return static_cast<int>(mode);
}

int runSave(const CommandLine& line, CliUserInteraction&) {
    const std::string out = line.value("out");
    const bool crz = line.has("crz");
    const NumberRange plu =
        crz ? parseRange(line.value("crz"), "--crz", 1, kMaxPluRecord) : NumberRange{};
    StoreScope scope;
    if (!scope.Select(StoreOf(line))) {
        return kExitNotFound;
    }
    if (!MayOverwrite(out)) {
        return kExitRefused;
    }
    const int saved = crz ? CTK73opsCrz().SaveCrzFile(out.c_str(), plu.first, plu.last)
                          : CTK73opsCrp(userMode()).SaveCrpFile(out.c_str());
    if (saved != 1) {
        std::fprintf(stderr, "tk73: %s was not written\n", out.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

// Professional layout: the archive becomes a store of its own beside the others. It is
// unpacked and checked whole before the store is made, and the store goes again when its files
// cannot be placed, so a refused archive leaves the store database as it was.
int openAsNewStore(const std::string& path, const MODEL_EDB& registerModel,
                   const std::string& name) {
    tk73ops::StagedArchive staged;
    if (!staged.unpack(path, registerModel)) {
        std::fprintf(stderr, "tk73: %s cannot be read as a %s archive\n", path.c_str(),
                     TerminalText(registerModel.indentName).c_str());
        return kExitFailed;
    }
    StoreScope scope;
    STORE_EDB store;
    store.storeName = name;
    store.regModelNo = registerModel.modelNo;
    store.vekModelNo = staged.vekModel().modelNo;
    if (tk73store::CreateStore(store) != 1) {
        std::fprintf(stderr, "tk73: the store could not be created\n");
        return kExitFailed;
    }
    if (!staged.placeInto(store.storeNo)) {
        // Failing already; a store left behind is reported by the message below.
        (void)tk73store::DeleteStore(store.storeNo, "tk73");
        std::fprintf(stderr, "tk73: the archive's settings could not be placed\n");
        return kExitFailed;
    }
    std::printf("%d\n", store.storeNo);
    return kExitOk;
}

// Single-store layouts: the archive replaces the working store, as the shell's Open does.
int openAsWorkingStore(const std::string& path) {
    if (tk73::ui().question("The archive replaces the working store and all its settings. Open "
                            "it?",
                            "tk73", tk73::Buttons::YesNo, tk73::Button::No,
                            tk73::MessageIcon::Exclamation) != tk73::Button::Yes) {
        return kExitRefused;
    }
    char buffer[TK73_MAX_PATH] = {};
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    if (CTK73opsCrp(userMode()).OpenCrpFile(buffer, 0, 0) != 1) {
        std::fprintf(stderr, "tk73: %s was not opened\n", path.c_str());
        return kExitFailed;
    }
    std::printf("%d\n", tk73ops::kWorkingStore);
    return kExitOk;
}

int runOpen(const CommandLine& line, CliUserInteraction&) {
    const std::string path = line.positional().front();
    const int modelNo = line.numberOr("model", CMdlInfo().GetDefaultActionECRId(), 1, 9999);
    // The archive's file name is typed like any other text; as the store's name it is kept in
    // the code page.
    const std::string name = line.has("name")
                                 ? line.value("name")
                                 : InstallationText(std::filesystem::path(path).stem().string(),
                                                    "the archive's name (or give --name)");
    if (path.size() >= TK73_MAX_PATH) {
        throw UsageError("the archive's path is too long");
    }
    std::error_code error;
    MODEL_EDB registerModel;
    if (!std::filesystem::is_regular_file(path, error)) {
        std::fprintf(stderr, "tk73: there is no file %s\n", path.c_str());
        return kExitNotFound;
    }
    if (!CheckModel(modelNo, false) ||
        CTK73edbModel().GetModelFromModelNo(modelNo, &registerModel) == 0) {
        return kExitNotFound;
    }
    if (!KeepsSeveralStores()) {
        return openAsWorkingStore(path);
    }
    if (!CheckStoreName(name)) {
        return kExitBadValue;
    }
    return openAsNewStore(path, registerModel, name);
}

}  // namespace

std::vector<Command> ArchiveCommands() {
    return {
        {"save",
         "[--store N] --out ARCHIVE [--crz A-B] [--yes]",
         "Writes a store's settings as a CRP archive, or with --crz as a CRZ archive of PLU "
         "records A to B.",
         {kStoreOption,
          {"out", "ARCHIVE", "the archive to write"},
          {"crz", "A-B", "a partial PLU archive of these records"},
          kYesOption},
         0,
         0,
         runSave},
        {"open",
         "ARCHIVE [--name NAME] [--model N] [--yes]",
         "Reads a CRP archive as a fresh store and prints its number (in a single-store "
         "installation the working store is replaced).",
         {{"name", "NAME", "the new store's name (default: the archive's name)", kStoredText},
          {"model", "N", "the register model the archive is for (default: the default model)"},
          kYesOption},
         1,
         1,
         runOpen},
    };
}

}  // namespace tk73cli
