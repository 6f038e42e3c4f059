#include "apps/editors/framework/pgm_menu_context.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "apps/editors/framework/definition/item_title.h"
#include "base/registry_settings.h"
#include "operations/active_store_info.h"
#include "platform/api.h"
#include "platform/ini_profile.h"

namespace tk73editor {

namespace {

// List values are read into 1024 bytes, as every list of the definitions.
constexpr uint32_t kListRoom = 1024;

// The token's leading number: blanks, a sign and digits; 0 without digits, and the nearest int
// for a number beyond its range.
int leadingNumber(const std::string& token) {
    const long value = std::strtol(token.c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

}  // namespace

int PgmMenuContext::OpenActiveStore() {
    char definitionFile[TK73_MAX_PATH] = {};
    char mainteFolder[TK73_MAX_PATH] = {};
    char defaultFolder[TK73_MAX_PATH] = {};
    // An editor started for the controller's setting edits the controller's files, never the
    // register's under the controller's pages.
    const int controller = AecrbsGetCurrentVekSetting() == 1 ? 1 : 0;
    if (CTK73opsActiveStoreInfo().GetPathInfo(definitionFile, mainteFolder, defaultFolder,
                                              controller) != 1) {
        return 0;
    }
    return Open(definitionFile, mainteFolder, defaultFolder);
}

int PgmMenuContext::Open(const std::string& definitionFile, const std::string& mainteFolder,
                         const std::string& defaultFolder) {
    definitionFile_ = definitionFile;
    mainteFolder_ = mainteFolder;
    defaultFolder_ = defaultFolder;
    return handle_.Open(definitionFile.c_str(), mainteFolder.c_str(), defaultFolder.c_str());
}

int PgmMenuContext::GetValueList(int menuNo, int itemNo, std::vector<int>& values) const {
    char section[32];
    char key[32];
    std::snprintf(section, sizeof(section), "PGM_MENU_%03d", menuNo);
    std::snprintf(key, sizeof(key), "ITEM_%03d_VALUE", itemNo);
    char list[kListRoom] = {};
    tk73_GetPrivateProfileStringA(section, key, "", list, kListRoom, definitionFile_.c_str());
    if (list[0] == '\0') {
        return 0;
    }
    values.clear();
    std::string token;
    for (const char* at = list;; ++at) {
        if (*at == ',' || *at == '\0') {
            values.push_back(leadingNumber(token));
            token.clear();
            if (*at == '\0') {
                break;
            }
        } else {
            token += *at;
        }
    }
    return 1;
}

std::string PgmMenuContext::GetItemTitle(int menuNo, int itemNo) const {
    return itemTitle(definitionFile_, menuNo, itemNo);
}

std::optional<std::pair<uint64_t, uint64_t>> PgmMenuContext::GetItemRange(int menuNo,
                                                                          int itemNo) const {
    const std::string range = itemKey(definitionFile_, menuNo, itemNo, "_RANGE");
    const size_t comma = range.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    const uint64_t low = std::strtoull(range.c_str(), nullptr, 10);
    const uint64_t high = std::strtoull(range.c_str() + comma + 1, nullptr, 10);
    if (low > high) {
        return std::nullopt;
    }
    return std::make_pair(low, high);
}

int PgmMenuContext::GetUniqueNameItem(int menuNo, int itemNo) const {
    return std::atoi(itemKey(definitionFile_, menuNo, itemNo, "_UNIQUE").c_str());
}

}  // namespace tk73editor
