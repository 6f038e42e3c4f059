// Resolving a setting item of the definition file to its place in a program file.

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/ini_profile.h"
#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_keys.h"

namespace {

// Room for one definition value, as every reader of the definition files gives it.
constexpr uint32_t kValueRoom = 1024;

// The register's item file keeps its declared count of records even when it is loaded.
constexpr int kItemFileKeepingCount = 2;

std::string profileString(const char* section, const char* key, const std::string& file) {
    char value[kValueRoom] = {};
    tk73_GetPrivateProfileStringA(section, key, "", value, kValueRoom, file.c_str());
    return value;
}

std::string itemKey(int itemNo, const char* suffix) {
    char key[40];
    std::snprintf(key, sizeof key, "ITEM_%03d%s", itemNo, suffix);
    return key;
}

// The 1-based index n of the "F%02dN" key of the file's section whose leading number is the
// field number; 0 when there is none.
int fieldIndexOf(int fileNo, int fieldNo, const std::string& definitionFile) {
    char section[32];
    std::snprintf(section, sizeof section, "FILE%04d", fileNo);
    const int fields = static_cast<int>(
        tk73_GetPrivateProfileIntA(section, "ALL_FIELD_NUM", 0, definitionFile.c_str()));
    for (int n = 1; n <= fields; ++n) {
        char key[32];
        std::snprintf(key, sizeof key, "F%02dN", n);
        if (tk73pgm::leadingNumber(profileString(section, key, definitionFile)) == fieldNo) {
            return n;
        }
    }
    return 0;
}

}  // namespace

int CPgmHandle::GetItemDef(tagPGMITEMDEF* out, int menuNo, int itemNo, int load) {
    if (out == nullptr || m_definitionFile.empty()) {
        return 0;
    }
    char section[32];
    std::snprintf(section, sizeof section, "PGM_MENU_%03d", menuNo);
    tagPGMITEMDEF def;
    const std::string file =
        profileString(section, itemKey(itemNo, "_FILE").c_str(), m_definitionFile);
    def.nFileNo = tk73pgm::leadingNumber(file);
    if (file.empty() || def.nFileNo < 1) {
        return 0;
    }
    if (!tk73pgm::parseItemMemory(
            profileString(section, itemKey(itemNo, "_MEMORY").c_str(), m_definitionFile), def) ||
        !tk73pgm::parseItemLayout(
            profileString(section, itemKey(itemNo, "").c_str(), m_definitionFile), def)) {
        return 0;
    }
    const std::string field =
        profileString(section, itemKey(itemNo, "_FIELD").c_str(), m_definitionFile);
    const int fieldNo = tk73pgm::leadingNumber(field);
    def.nFieldIndex = fieldNo < 1 ? 0 : fieldIndexOf(def.nFileNo, fieldNo, m_definitionFile);
    if (def.nFieldIndex < 1) {
        return 0;
    }
    def.nMean = static_cast<int32_t>(tk73_GetPrivateProfileIntA(
        section, itemKey(itemNo, "_MEAN").c_str(), 0, m_definitionFile.c_str()));
    if (!LoadItemFile(def, load)) {
        return 0;
    }
    def.nMenuNo = menuNo;
    *out = def;
    return 1;
}

int CPgmHandle::LoadItemFile(tagPGMITEMDEF& def, int load) {
    const bool counted = def.nMemoryType == PGM_MEMORY_COUNT;
    if (!load && !counted) {
        return 1;
    }
    if (const tk73pgm::PgmLoadedFile* loaded = FindLoaded(def.nFileNo)) {
        if (counted && def.nFileNo != kItemFileKeepingCount) {
            def.nRecordCount = std::min(def.nRecordCount, loaded->recordCount());
        }
        return 1;
    }
    const std::string path = FilePath(def.nFileNo, false);
    tk73pgm::PgmLoadedFile file;
    // A count alone needs no more record lines than the declared count; a loaded file keeps
    // them all, for the accesses of every other item on it.
    if (path.empty() ||
        !tk73pgm::loadPgmFile(path, def.nFileNo, load ? -1 : def.nRecordCount, file)) {
        return 0;
    }
    if (counted) {
        def.nRecordCount = std::min(def.nRecordCount, file.recordCount());
    }
    if (load) {
        m_files.push_back(std::move(file));
    }
    return 1;
}
