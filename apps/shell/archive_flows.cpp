#include "apps/shell/archive_flows.h"

#include <filesystem>

#include "apps/shell/archive_texts.h"
#include "apps/shell/hub_app.h"
#include "apps/shell/hub_dlg.h"
#include "apps/shell/save_as_choice.h"
#include "apps/shell/wait_cursor.h"
#include "archive/archive_files.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "definitions/model_info.h"
#include "operations/card_paths.h"
#include "operations/ops_crp.h"
#include "operations/ops_crz.h"
#include "operations/sd_card.h"
#include "operations/store_logos.h"
#include "platform/api.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73hub {

namespace {

// OpenCrpFile's answer when the user cancelled.
constexpr int kOpenCancelled = -1;

std::string caption(const CHubDlg& window) {
    return tk73::fromQString(window.windowTitle());
}

void tell(const CHubDlg& window, const char* text, tk73::MessageIcon icon) {
    tk73::ui().message(text, caption(window), icon);
}

// The message about a file names the file on a line of its own below the text.
void tellAbout(const CHubDlg& window, const char* text, const std::string& path,
               tk73::MessageIcon icon) {
    tk73::ui().message(path.empty() ? std::string(text) : std::string(text) + "\n" + path,
                       caption(window), icon);
}

// Why the archive path cannot be read (forSave false) or written; null when it can.
const char* archivePathProblem(const std::string& path, bool forSave, tk73::MessageIcon* icon) {
    *icon = tk73::MessageIcon::Exclamation;
    std::error_code error;
    if (path.empty()) {
        *icon = tk73::MessageIcon::Error;
        return text::kUnexpected;
    }
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return forSave ? nullptr : text::kArchiveMissing;
    }
    if (std::filesystem::is_directory(status)) {
        return text::kArchiveIsFolder;
    }
    if (forSave && (status.permissions() & std::filesystem::perms::owner_write) ==
                       std::filesystem::perms::none) {
        return text::kArchiveReadOnly;
    }
    return nullptr;
}

// Tells the user why the path will not do; true when it will.
bool archivePathUsable(const CHubDlg& window, const std::string& path, bool forSave) {
    tk73::MessageIcon icon = tk73::MessageIcon::None;
    if (const char* problem = archivePathProblem(path, forSave, &icon)) {
        tellAbout(window, problem, path, icon);
        return false;
    }
    return true;
}

// The register model of the store; empty when the store or its model is unknown.
MODEL_EDB storeRegisterModel(int storeNo) {
    STORE_EDB store;
    MODEL_EDB model;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) == 1) {
        CTK73edbModel().GetModelFromModelNo(store.regModelNo, &model);
    }
    return model;
}

// Saves the settings as a whole archive at path, which becomes the document's file.
bool saveArchive(CHubDlg& window, const std::string& path) {
    int saved = 0;
    {
        WaitCursor wait;
        saved = CTK73opsCrp(static_cast<int>(window.App().UserMode())).SaveCrpFile(path.c_str());
    }
    if (saved == 0) {
        tellAbout(window, text::kSaveFailed, path, tk73::MessageIcon::Error);
        return false;
    }
    CHubDocument& document = window.Document();
    document.TouchLastTime();
    document.SetFilePath(path);
    document.SetState(CHubDocument::kLoaded);
    document.SetTitle(tk73pack::nameOf(path).c_str());
    return true;
}

// The logos of the opened store as bitmaps; a failure is told and the data stays loaded.
void extractLogos(const CHubDlg& window, int storeNo) {
    const char* failure = tk73ops::ExtractStoreLogos(storeNo);
    if (failure != nullptr && failure[0] != '\0') {
        tell(window, failure, tk73::MessageIcon::Error);
    }
}

}  // namespace

bool LoadArchive(CHubDlg& window, const std::string& path) {
    char buffer[TK73_MAX_PATH] = {};
    if (path.size() >= sizeof buffer) {
        tellAbout(window, text::kReadFailed, path, tk73::MessageIcon::Error);
        return false;
    }
    path.copy(buffer, path.size());
    int opened = 0;
    {
        WaitCursor wait;
        opened = CTK73opsCrp(static_cast<int>(window.App().UserMode())).OpenCrpFile(buffer, 0, 0);
    }
    if (opened == kOpenCancelled) {
        return false;
    }
    if (opened == 0) {
        tellAbout(window, text::kReadFailed, path, tk73::MessageIcon::Error);
        return false;
    }
    CHubDocument& document = window.Document();
    document.SetFilePath(buffer);
    const int storeNo = window.CurrentStore();
    STORE_EDB store;
    MODEL_EDB registerModel;
    MODEL_EDB vekModel;
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) == 1 &&
        window.App().ModelTable().GetModelFromModelNo(store.regModelNo, &registerModel) == 1) {
        CTK73edbVekModel().GetModelFromModelNo(store.vekModelNo, &vekModel);
        window.SetModels(registerModel, vekModel);
        document.SetState(CHubDocument::kLoaded);
    }
    extractLogos(window, storeNo);
    document.SetTitle(tk73pack::nameOf(buffer).c_str());
    document.TouchLastTime();
    return true;
}

void OpenArchiveFromCard(CHubDlg& window) {
    if (!window.QueryDiscard()) {
        return;
    }
    // The pro layout loads the card of the selected store's register; the others the card of the
    // default register model, whose shipped definition names the archive: the working store is
    // made afresh only once the archive was read whole, so a card that fails costs nothing.
    const bool pro = window.Layout() == HubLayout::Pro;
    const int storeNo = pro ? window.CurrentStore() : 0;
    MODEL_EDB model = storeRegisterModel(storeNo);
    if (!pro) {
        window.App().ModelTable().GetModelFromModelNo(CMdlInfo().GetDefaultActionECRId(), &model);
    }
    for (;;) {
        std::string card;
        if (tk73ops::SelectSdCard(tk73ops::SdCardUse::Open, &card) == 0) {
            return;
        }
        const std::string path = tk73ops::CardArchivePath(card, model.indentName, storeNo);
        if (archivePathUsable(window, path, false)) {
            LoadArchive(window, path);
            return;
        }
    }
}

void SaveArchiveToCard(CHubDlg& window) {
    const int storeNo = window.CurrentStore();
    const MODEL_EDB model = storeRegisterModel(storeNo);
    for (;;) {
        std::string card;
        if (tk73ops::SelectSdCard(tk73ops::SdCardUse::Save, &card) == 0) {
            return;
        }
        const std::string path = tk73ops::CardArchivePath(card, model.indentName, storeNo);
        if (!archivePathUsable(window, path, true)) {
            continue;
        }
        if (!tk73ops::CopyStoreLogosToCard(
                storeNo, tk73ops::CardLogoFolder(card, model.indentName, storeNo))) {
            tell(window, text::kLogoCopyFailed, tk73::MessageIcon::Error);
        }
        saveArchive(window, path);
        return;
    }
}

bool SaveArchiveAs(CHubDlg& window) {
    CHubDocument& document = window.Document();
    SaveAsChoice choice(document.GetFilePath(), document.GetPartialFlag() == 1);
    SaveAsRequest request(choice);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok || choice.chosenPath().empty()) {
        return false;
    }
    if (choice.chosenType() == SaveAsChoice::Type::Archive) {
        return saveArchive(window, choice.chosenPath());
    }
    // A partial PLU archive cannot be opened again: the document keeps its file and title.
    int saved = 0;
    {
        WaitCursor wait;
        saved = CTK73opsCrz().SaveCrzFile(choice.chosenPath().c_str(), choice.range().from(),
                                          choice.range().to());
    }
    if (saved == 0) {
        tellAbout(window, text::kSaveFailed, choice.chosenPath(), tk73::MessageIcon::Error);
        return false;
    }
    document.SetState(CHubDocument::kLoaded);
    return true;
}

bool SaveBeforeDiscard(CHubDlg& window) {
    const std::string path = window.Document().GetFilePath();
    if (path.empty()) {
        return SaveArchiveAs(window);
    }
    return archivePathUsable(window, path, true) && saveArchive(window, path);
}

}  // namespace tk73hub
