// The set menu file of registers from format version 0 to 1. Version 1 marks each entry of a set
// with a two-digit quantity flag behind the entry's item number, so every group of 4 (or 6)
// characters gains "04" when it names an item and "00" when it is empty.

#include <algorithm>
#include <cstdio>

#include "archive/archive_files.h"
#include "archive/file_version_converter.h"
#include "base/file_utils.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr int kSetMenuFile = 28;
constexpr int kSetMenu = 27;
constexpr int kEntriesItem = 1;
constexpr int kNameItem = 2;

// The group width of the old entries field by its width; 0 for a width no version 0 ever had.
size_t groupWidth(int fieldWidth) {
    switch (fieldWidth) {
        case 60:
            return 4;
        case 90:
            return 6;
        default:
            return 0;
    }
}

std::string convertedEntries(const std::string& old, size_t group) {
    std::string out;
    for (size_t at = 0; at < old.size(); at += group) {
        const std::string entry = old.substr(at, group);
        out += entry;
        out += entry.find_first_not_of('0') == std::string::npos ? "00" : "04";
    }
    return out;
}

// Resolves an item of the set menu and reads it over its records; false on any failure.
bool readItem(CPgmHandle& handle, int item, tagPGMITEMDEF& def, PGMITEMDATAARRAY& values) {
    if (handle.GetItemDef(&def, kSetMenu, item, 1) != 1 || def.nRecordCount < 1) {
        return false;
    }
    values.assign(static_cast<size_t>(def.nRecordCount), {});
    return handle.ReadItems(&def, 1, def.nFirstRecord, def.nRecordCount, &values, 0) == 1;
}

}  // namespace

int CTK73packFileVersionConverter::ConvertFile028() {
    std::string oldDefinition;
    if (CreateVersionIniFilePath(0, oldDefinition) == 0) {
        return 0;
    }
    const std::string mainteFile = MainteFile(kSetMenuFile);
    tagPGMITEMDEF entriesDef;
    PGMITEMDATAARRAY entries;
    {
        CPgmHandle before;
        if (before.Open(oldDefinition.c_str(), m_mainteFolder.c_str(), m_templateFolder.c_str()) !=
                1 ||
            !readItem(before, kEntriesItem, entriesDef, entries)) {
            return 0;
        }
    }
    const size_t group = groupWidth(entriesDef.nWidth);
    if (group == 0) {
        return 0;
    }
    // The names are read through the current definition, over the records both of its set menu
    // items cover; records beyond them get a made-up name.
    CPgmHandle after;
    tagPGMITEMDEF nameDef;
    tagPGMITEMDEF currentEntriesDef;
    PGMITEMDATAARRAY names;
    if (after.Open(m_definitionFile.c_str(), m_mainteFolder.c_str(), m_templateFolder.c_str()) !=
            1 ||
        after.GetItemDef(&currentEntriesDef, kSetMenu, kEntriesItem, 0) != 1 ||
        after.GetItemDef(&nameDef, kSetMenu, kNameItem, 0) != 1) {
        return 0;
    }
    const int first = std::max(currentEntriesDef.nFirstRecord, nameDef.nFirstRecord);
    const int nameCount = std::min(currentEntriesDef.nRecordCount, nameDef.nRecordCount);
    if (nameCount > 0) {
        names.assign(static_cast<size_t>(nameCount), {});
        if (after.ReadItems(&nameDef, 1, first, nameCount, &names, 0) != 1) {
            return 0;
        }
    }

    std::string header;
    if (GetHeaderString(mainteFile.c_str(), header) == 0) {
        return 0;
    }
    header.resize(std::min(header.size(), header.find('\0')));
    std::string text = header;
    for (size_t i = 0; i < entries.size(); ++i) {
        char madeUp[32];
        std::snprintf(madeUp, sizeof madeUp, "Set%02d        ", static_cast<int>(i + 1));
        const std::string& name = i < names.size() ? names[i].text : std::string(madeUp);
        char number[16];
        std::snprintf(number, sizeof number, "%05d", static_cast<int>(i + 1));
        // CR LF like every other record line, or no reader of program files would take it.
        text += std::string(number) + ",\"" + name + "\",\"" +
                convertedEntries(entries[i].text, group) + "\"\r\n";
    }

    const std::string converted = tk73pack::tempFile(tk73pack::nameOf(mainteFile).c_str());
    const bool written = !converted.empty() && tk73pack::writeWholeFile(converted, text) &&
                         tk73pack::copyReplacing(converted, mainteFile);
    if (!converted.empty()) {
        // A temporary copy left behind holds nothing the store still needs.
        (void)AecrbsDeleteFile(converted.c_str());
    }
    return written && SetFileVersion(mainteFile.c_str(), 1) == 1 ? 1 : 0;
}
