#include "programfiles/pgm_handle.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/file_utils.h"
#include "base/registry_settings.h"
#include "programfiles/pgm_item_value.h"

namespace {

// The register's and the Vek controller's item file, kept in the default folder as
// "FILE%03dI.TXT".
constexpr int kRegisterItemFile = 2;
constexpr int kVekItemFile = 422;

// Joins folder and name into out (TK73_MAX_PATH bytes); false, out unchanged, when the folder is
// empty or the result does not fit.
bool joinName(const std::string& folder, const char* name, char* out) {
    char path[TK73_MAX_PATH];
    if (folder.empty() || folder.size() >= sizeof path) {
        return false;
    }
    std::memcpy(path, folder.c_str(), folder.size() + 1);
    if (!AecrbsAddPath(path, name)) {
        return false;
    }
    std::memcpy(out, path, std::strlen(path) + 1);
    return true;
}

// A number given as up to 8 bytes, least significant first; false for another length.
bool decodeNumber(const void* bytes, int length, uint64_t& value) {
    if (length < 1 || length > 8) {
        return false;
    }
    value = 0;
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (int i = length - 1; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return true;
}

// The value of WriteItem and SearchItem: text for a character item, else a number.
bool decodeValue(const tagPGMITEMDEF& item, const void* bytes, int length, tagPGMITEMDATA& value) {
    if (bytes == nullptr || length < 0) {
        return false;
    }
    if (item.nDataType == PGM_DATA_CHAR) {
        const char* text = static_cast<const char*>(bytes);
        value.text.assign(text, strnlen(text, static_cast<size_t>(length)));
        return true;
    }
    return decodeNumber(bytes, length, value.value);
}

}  // namespace

int CPgmHandle::Open(const char* definitionFile, const char* mainteFolder,
                     const char* defaultFolder) {
    m_files.clear();
    m_definitionFile = definitionFile != nullptr ? definitionFile : "";
    m_mainteFolder = mainteFolder != nullptr ? mainteFolder : "";
    m_defaultFolder = defaultFolder != nullptr ? defaultFolder : "";
    std::error_code error;
    return !m_definitionFile.empty() && std::filesystem::is_regular_file(m_definitionFile, error)
               ? 1
               : 0;
}

const char* CPgmHandle::GetMainteFileName(char* out, int fileNo, int textForm) {
    char* target = out != nullptr ? out : m_fileName;
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03dP.%s", fileNo, textForm ? "TXT" : "DAT");
    joinName(m_mainteFolder, name, target);
    return target;
}

const char* CPgmHandle::GetDefaultFileName(char* out, int fileNo, int textForm) {
    char* target = out != nullptr ? out : m_fileName;
    const int itemFile = AecrbsGetCurrentVekSetting() == 1 ? kVekItemFile : kRegisterItemFile;
    const char kind = (textForm && fileNo == itemFile) ? 'I' : 'P';
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03d%c.%s", fileNo, kind, textForm ? "TXT" : "DAT");
    joinName(m_defaultFolder, name, target);
    return target;
}

std::string CPgmHandle::FilePath(int fileNo, bool inDefaults) {
    char path[TK73_MAX_PATH] = {};
    if (inDefaults) {
        GetDefaultFileName(path, fileNo, 1);
    } else {
        GetMainteFileName(path, fileNo, 1);
    }
    return path;
}

tk73pgm::PgmLoadedFile* CPgmHandle::FindLoaded(int fileNo) {
    for (tk73pgm::PgmLoadedFile& file : m_files) {
        if (file.fileNo == fileNo) {
            return &file;
        }
    }
    return nullptr;
}

void CPgmHandle::DropLoaded(int fileNo) {
    m_files.remove_if(
        [fileNo](const tk73pgm::PgmLoadedFile& file) { return file.fileNo == fileNo; });
}

int CPgmHandle::ReadItem(tagPGMITEMDEF* item, int record, void* out, int length) {
    if (item == nullptr || out == nullptr || length < 1) {
        return 0;
    }
    PGMITEMDATAARRAY values(1);
    values[0].length = length;
    if (AccessItems(PGM_ACCESS_READ, item, 1, record, 1, &values, 0) != 0) {
        return 0;
    }
    const tagPGMITEMDATA& value = values[0];
    if (item->nDataType == PGM_DATA_CHAR) {
        std::memcpy(out, value.text.c_str(), value.text.size() + 1);
        return 1;
    }
    if (value.length == 0) {
        return 0;  // a number too wide for 64 bits
    }
    // A number that needs more bytes than the caller gave is not cut.
    const int bytes = length < 8 ? length : 8;
    if (bytes < 8 && (value.value >> (8 * bytes)) != 0) {
        return 0;
    }
    auto* p = static_cast<unsigned char*>(out);
    for (int i = 0; i < bytes; ++i) {
        p[i] = static_cast<unsigned char>(value.value >> (8 * i));
    }
    return 1;
}

int CPgmHandle::WriteItem(tagPGMITEMDEF* item, int record, const void* value, int length) {
    PGMITEMDATAARRAY values(1);
    if (item == nullptr || !decodeValue(*item, value, length, values[0])) {
        return 0;
    }
    return AccessItems(PGM_ACCESS_WRITE, item, 1, record, 1, &values, 0) == 0 ? 1 : 0;
}

int CPgmHandle::SearchItem(tagPGMITEMDEF* item, int startRecord, const void* wanted, int length,
                           int forward, int caseSensitive, int inDefaults) {
    PGMITEMDATAARRAY values(1);
    if (item == nullptr || !decodeValue(*item, wanted, length, values[0])) {
        return -1;
    }
    int operation = forward ? PGM_ACCESS_SEARCH_FORWARD : PGM_ACCESS_SEARCH_BACKWARD;
    if (caseSensitive) {
        ++operation;
    }
    if (inDefaults) {
        operation += PGM_ACCESS_SEARCH_DEFAULT;
    }
    return AccessItems(operation, item, 1, startRecord, 1, &values, 0);
}

int CPgmHandle::ReadItems(tagPGMITEMDEF* items, int itemCount, int firstRecord, int recordCount,
                          PGMITEMDATAARRAY* values, int firstValueIndex) {
    return AccessItems(PGM_ACCESS_READ, items, itemCount, firstRecord, recordCount, values,
                       firstValueIndex) == 0
               ? 1
               : 0;
}

int CPgmHandle::WriteItems(tagPGMITEMDEF* items, int itemCount, int firstRecord, int recordCount,
                           PGMITEMDATAARRAY* values, int firstValueIndex) {
    return AccessItems(PGM_ACCESS_WRITE, items, itemCount, firstRecord, recordCount, values,
                       firstValueIndex) == 0
               ? 1
               : 0;
}

int CPgmHandle::ResolveFuncItem(tagPGMITEMDEF* item, int* record) {
    if (item == nullptr || item->nMemoryType != PGM_MEMORY_FUNC) {
        return 0;
    }
    tagPGMITEMDEF functions;
    // Item 0 must be found by record, or resolving it would need itself.
    if (!GetItemDef(&functions, item->nMenuNo, 0, 0) || functions.nMemoryType == PGM_MEMORY_FUNC) {
        return 0;
    }
    PGMITEMDATAARRAY wanted(
        1, tk73pgm::wantedNumber(functions, static_cast<uint64_t>(item->nFirstRecord)));
    const int found = AccessItems(PGM_ACCESS_SEARCH_FORWARD_CASE, &functions, 1, 1, 1, &wanted, 0);
    if (found < 1) {
        return 0;
    }
    item->nFirstRecord = found;
    item->nRecordCount = 1;
    item->nMemoryType = PGM_MEMORY_INDEX;
    if (record != nullptr) {
        *record = found;
    }
    return 1;
}
