#include "spreadsheet/field_item.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "platform/ini_profile.h"
#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_item_keys.h"

namespace tk73sheet {

namespace {

// Room for a definition's list of sections and for its largest menu.
constexpr uint32_t kListBytes = 1 << 20;

// The NUL-separated entries of a profile list.
std::vector<std::string> entriesOf(const std::vector<char>& list) {
    std::vector<std::string> out;
    for (const char* at = list.data(); *at != '\0'; at += std::strlen(at) + 1) {
        out.emplace_back(at);
    }
    return out;
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return text;
}

std::vector<uint64_t> numbersOf(const std::string& list) {
    std::vector<uint64_t> out;
    for (const char* at = list.c_str(); *at != '\0';) {
        char* end = nullptr;
        out.push_back(std::strtoull(at, &end, 10));
        at = std::strchr(end, ',');
        if (at == nullptr) {
            break;
        }
        ++at;
    }
    return out;
}

}  // namespace

FieldItems::FieldItems(const std::string& definitionFile) {
    std::vector<char> list(kListBytes, '\0');
    tk73_GetPrivateProfileStringA(nullptr, nullptr, "", list.data(), kListBytes,
                                  definitionFile.c_str());
    std::vector<char> lines(kListBytes, '\0');
    for (const std::string& section : entriesOf(list)) {
        if (upper(section).rfind("PGM_MENU_", 0) != 0) {
            continue;
        }
        tk73_GetPrivateProfileSectionA(section.c_str(), lines.data(), kListBytes,
                                       definitionFile.c_str());
        std::map<std::string, std::string> keys;
        std::vector<std::string> items;
        for (const std::string& line : entriesOf(lines)) {
            const size_t equals = line.find('=');
            if (equals == std::string::npos) {
                continue;
            }
            std::string value = line.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            const std::string key = upper(line.substr(0, equals));
            if (keys.emplace(key, value).second && key.size() == 8 && key.rfind("ITEM_", 0) == 0) {
                items.push_back(key);
            }
        }
        const auto keyOf = [&](const std::string& item, const char* suffix) {
            const auto found = keys.find(item + suffix);
            return found == keys.end() ? std::string() : found->second;
        };
        for (const std::string& item : items) {
            tagPGMITEMDEF def;
            if (tk73pgm::parseItemLayout(keys[item], def) != 1 || def.nPosition != 1 ||
                def.nDataType == PGM_DATA_BIT) {
                continue;
            }
            FieldItem field;
            field.dataType = def.nDataType;
            field.decimals =
                def.nDataType == PGM_DATA_DIGIT ? std::atoi(keyOf(item, "_MEAN").c_str()) : 0;
            const std::vector<uint64_t> range = numbersOf(keyOf(item, "_RANGE"));
            if (range.size() == 2 && range[0] <= range[1]) {
                field.range = std::make_pair(range[0], range[1]);
            }
            field.values = numbersOf(keyOf(item, "_VALUE"));
            field.unique = std::atoi(keyOf(item, "_UNIQUE").c_str()) != 0;
            entries_.push_back({std::atoi(keyOf(item, "_FILE").c_str()),
                                std::atoi(keyOf(item, "_FIELD").c_str()), def.nWidth,
                                std::move(field)});
        }
    }
}

std::optional<FieldItem> FieldItems::Find(int fileNo, int fieldNo, int width) const {
    for (const Entry& entry : entries_) {
        if (entry.fileNo == fileNo && entry.fieldNo == fieldNo && entry.width == width) {
            return entry.item;
        }
    }
    return std::nullopt;
}

}  // namespace tk73sheet
