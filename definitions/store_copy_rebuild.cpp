// Bringing a store's definition copy up to a newer default file: the default is taken whole and
// the user's own settings (titles, icons, last folders, per-field display, edit and mask) are
// carried over from the former copy, which stays beside it as ".BAK".

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "definitions/ctrl_cmn.h"
#include "definitions/def_reg.h"
#include "definitions/no_case.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"
#include "platform/ini_profile.h"

namespace {

constexpr uint32_t kProfessionalMode = 2;
constexpr uint32_t kIconListChars = 4095;
constexpr uint32_t kFolderChars = 1023;
constexpr uint32_t kValueChars = 4095;

// The mode the installation runs in, as the register and the Vek tool see it.
uint32_t effectiveUserMode() {
    uint32_t mode = 0;
    AecrbsGetTK73UserMode(&mode);
    if (AecrbsGetLaunchVekTool() != 0) {
        return mode == 4 ? 4 : 3;
    }
    return mode > 2 ? 0 : mode;
}

// Carries keys of the former store copy into the new file. Any failed write makes the whole
// rebuild stop, so the user's settings are never half lost.
class SettingsCarrier {
  public:
    SettingsCarrier(const std::string& from, const std::string& to) : from_(from), to_(to) {}

    bool ok() const { return ok_; }

    // The key, when the former copy has it, with a value of at most maxChars characters.
    void carryIfPresent(const char* section, const std::string& key, uint32_t maxChars,
                        bool quoted) {
        if (hasKey(keysOf(section), key)) {
            carry(section, key, maxChars, quoted);
        }
    }

    // Every key of the section for which keep answers true.
    template <typename Keep>
    void carryKeys(const std::string& section, Keep keep, bool quoted) {
        for (const std::string& key : keysOf(section.c_str())) {
            if (keep(key)) {
                carry(section.c_str(), key, kValueChars, quoted);
            }
        }
    }

  private:
    std::vector<std::string> keysOf(const char* section) const {
        std::vector<std::string> keys;
        CCtrlCmn::GetIniFileKeyList(from_.c_str(), section, keys);
        return keys;
    }

    static bool hasKey(const std::vector<std::string>& keys, const std::string& key) {
        for (const std::string& name : keys) {
            if (tk73def::equalsNoCase(name, key)) {
                return true;
            }
        }
        return false;
    }

    // An empty title is not carried: it would replace the new default's title with nothing,
    // where the user never set one. An empty setting (no icons shown, no mask) is the user's.
    void carry(const char* section, const std::string& key, uint32_t maxChars, bool quoted) {
        const std::string value = tk73def::readProfileString(from_, section, key.c_str(), maxChars);
        if (quoted && value.empty()) {
            return;
        }
        const std::string written = quoted ? tk73def::quotedValue(value) : value;
        ok_ = ok_ && tk73def::writeProfileString(to_, section, key.c_str(), written.c_str()) == 1;
    }

    const std::string& from_;
    const std::string& to_;
    bool ok_ = true;
};

// Files whose field settings are carried whether or not the copy's file list names them.
constexpr int kAlwaysCarriedFiles = 99;

// The file number keys ("001", "422", "998") of the file title sections. Titles are carried for
// every program file the copy lists, and field settings for those above 99 that it lists, so
// the user's settings of the item and stamp files survive a rebuild too.
bool isFileNumberKey(const std::string& key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool isFieldSettingKey(const std::string& key) {
    if (key.size() < 2 || std::toupper(static_cast<unsigned char>(key.front())) != 'F') {
        return false;
    }
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(key.back())));
    return last == 'D' || last == 'E' || last == 'M';
}

bool carryUserSettings(const std::string& store, const std::string& target) {
    SettingsCarrier carrier(store, target);
    carrier.carryIfPresent("FILE_INF", "PGMICONS", kIconListChars, false);
    carrier.carryIfPresent("FILE_EXPORT", "INIPATH", kFolderChars, false);
    carrier.carryIfPresent("FILE_IMPORT", "INIPATH", kFolderChars, false);
    // Titles go back in quotes, or their leading and trailing blanks would be lost.
    carrier.carryKeys(
        "FIELD_TITLES", [](const std::string&) { return true; }, true);
    carrier.carryKeys("PGMFILES", isFileNumberKey, true);
    carrier.carryKeys("PGMICONTITLE", isFileNumberKey, true);
    std::vector<int> fileNos;
    for (int fileNo = 1; fileNo <= kAlwaysCarriedFiles; ++fileNo) {
        fileNos.push_back(fileNo);
    }
    std::vector<std::string> listed;
    CCtrlCmn::GetIniFileKeyList(store.c_str(), "PGMFILES", listed);
    for (const std::string& key : listed) {
        if (!isFileNumberKey(key) || key.size() > 4) {
            continue;
        }
        const int fileNo = std::stoi(key);
        if (fileNo > kAlwaysCarriedFiles &&
            std::find(fileNos.begin(), fileNos.end(), fileNo) == fileNos.end()) {
            fileNos.push_back(fileNo);
        }
    }
    for (const int fileNo : fileNos) {
        carrier.carryKeys(tk73def::numberedName("FILE%04d", fileNo), isFieldSettingKey, false);
    }
    return carrier.ok();
}

bool exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool renameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace

void CTK73defReg::CheckCopyINIVersion() const {
    if (effectiveUserMode() != kProfessionalMode || dbPath_.empty() || defaultPath_.empty() ||
        dbPath_ == defaultPath_) {
        return;
    }
    const unsigned int defaultVersion =
        tk73_GetPrivateProfileIntA("SYSTEM", "INIFILEVER", 0, defaultPath_.c_str());
    const unsigned int storeVersion =
        tk73_GetPrivateProfileIntA("SYSTEM", "INIFILEVER", 0, dbPath_.c_str());
    if (defaultVersion == storeVersion) {
        return;
    }
    const std::string temporary = dbPath_ + ".TMP";
    const std::string backup = dbPath_ + ".BAK";
    if (!AecrbsCopyFile(defaultPath_.c_str(), temporary.c_str(), 0) ||
        !carryUserSettings(dbPath_, temporary)) {
        // The rebuild is given up and the former copy stays; a temporary file that cannot be
        // removed is written over by the next rebuild.
        (void)AecrbsDeleteFile(temporary.c_str());
        return;
    }
    // The former copy becomes the backup before the new one takes its name; when either step
    // fails the former copy is left (or put back) in place.
    const bool hadStoreFile = exists(dbPath_);
    // A backup left from before that cannot be removed makes the rename below fail.
    (void)AecrbsDeleteFile(backup.c_str());
    if (hadStoreFile && !renameFile(dbPath_, backup)) {
        (void)AecrbsDeleteFile(temporary.c_str());
        return;
    }
    if (!renameFile(temporary, dbPath_)) {
        (void)AecrbsDeleteFile(temporary.c_str());
        if (hadStoreFile) {
            renameFile(backup, dbPath_);
        }
    }
}
