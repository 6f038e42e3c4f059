#include "apps/editors/framework/pgm_menu_context.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

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

}  // namespace tk73editor
