// Resolving a setting item of the definition file to its place in a program file.

#include <algorithm>
#include <string>

#include "definitions/decimal_text.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"
#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_keys.h"

namespace {

// Characters of one definition value, as every reader of the definition files takes them.
constexpr uint32_t kValueChars = 1023;

// The register's item file keeps its declared count of records even when it is loaded.
constexpr int kItemFileKeepingCount = 2;

std::string profileString(const std::string& section, const std::string& key,
                          const std::string& file) {
    return tk73def::readProfileString(file, section.c_str(), key.c_str(), kValueChars);
}

int profileNumber(const std::string& section, const std::string& key, const std::string& file) {
    return tk73def::decimalValue(profileString(section, key, file));
}

std::string itemKey(int itemNo, const char* suffix) {
    return tk73def::numberedName("ITEM_%03d", itemNo) + suffix;
}

// The 1-based index n of the "F%02dN" key of the file's section whose leading number is the
// field number; 0 when there is none. The list ends at the first key that is missing or names
// no field, as the file's record layout does: "ALL_FIELD_NUM" alone, written wrong in a damaged
// file, could keep this reading keys for hours.
int fieldIndexOf(int fileNo, int fieldNo, const std::string& definitionFile) {
    const std::string section = tk73def::numberedName("FILE%04d", fileNo);
    const int fields = profileNumber(section, "ALL_FIELD_NUM", definitionFile);
    for (int n = 1; n <= fields; ++n) {
        const int listed =
            profileNumber(section, tk73def::numberedName("F%02dN", n), definitionFile);
        if (listed < 1) {
            break;
        }
        if (listed == fieldNo) {
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
    const std::string section = tk73def::numberedName("PGM_MENU_%03d", menuNo);
    tagPGMITEMDEF def;
    const std::string file = profileString(section, itemKey(itemNo, "_FILE"), m_definitionFile);
    def.nFileNo = tk73def::decimalValue(file);
    if (file.empty() || def.nFileNo < 1) {
        return 0;
    }
    if (!tk73pgm::parseItemMemory(
            profileString(section, itemKey(itemNo, "_MEMORY"), m_definitionFile), def) ||
        !tk73pgm::parseItemLayout(profileString(section, itemKey(itemNo, ""), m_definitionFile),
                                  def)) {
        return 0;
    }
    const std::string field = profileString(section, itemKey(itemNo, "_FIELD"), m_definitionFile);
    const int fieldNo = tk73def::decimalValue(field);
    def.nFieldIndex = fieldNo < 1 ? 0 : fieldIndexOf(def.nFileNo, fieldNo, m_definitionFile);
    if (def.nFieldIndex < 1) {
        return 0;
    }
    def.nMean = profileNumber(section, itemKey(itemNo, "_MEAN"), m_definitionFile);
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
