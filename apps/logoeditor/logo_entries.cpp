#include "apps/logoeditor/logo_entries.h"

#include <cstdio>
#include <cstdlib>

#include "apps/logoeditor/logo_texts.h"
#include "definitions/def_file_inf.h"

namespace tk73logo {

namespace {

constexpr size_t kLeastFields = 5;
constexpr size_t kFirstName = 4;

std::vector<std::string> fields(const std::string& value) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(',', start);
        out.push_back(value.substr(start, comma - start));
        if (comma == std::string::npos) {
            return out;
        }
        start = comma + 1;
    }
}

}  // namespace

std::vector<LogoEntry> readLogoEntries(const std::string& definitionFile) {
    std::vector<LogoEntry> entries;
    const CTK73defFILEINF fileInf(definitionFile.c_str());
    for (int index = 0; index < fileInf.GetLogoFilesValueCount(); ++index) {
        int fileNo = 0;
        fileInf.GetLogoFilesValueFromIndex(index, &fileNo);
        char key[16];
        std::snprintf(key, sizeof key, "FILE%04d", fileNo);
        const std::vector<std::string> values =
            fields(fileInf.GetDefReg().GetKeyValueString("G_LOGO", key));
        const int logos = values.size() >= kLeastFields ? std::atoi(values[3].c_str()) : 0;
        if (logos <= 0) {
            break;
        }
        for (int slot = 0; slot < logos; ++slot) {
            LogoEntry entry;
            entry.fileNo = fileNo;
            entry.width = std::atoi(values[0].c_str());
            entry.height = std::atoi(values[1].c_str());
            entry.logos = logos;
            entry.slot = slot;
            const size_t nameAt = kFirstName + static_cast<size_t>(slot);
            entry.name = nameAt < values.size() ? values[nameAt] : std::string();
            if (entry.name.empty()) {
                entry.name = logoText(LogoText::DefaultName, static_cast<int>(entries.size()) + 1);
            }
            entries.push_back(entry);
        }
    }
    return entries;
}

std::string sizeText(const LogoEntry& entry) {
    return logoText(LogoText::SizeText, entry.width, entry.height);
}

}  // namespace tk73logo
