#include "apps/editors/framework/definition/item_title.h"

#include <cstdio>
#include <cstdlib>

#include "definitions/def_field_titles.h"
#include "definitions/profile_access.h"

namespace tk73editor {

namespace {

// Item keys are short numbers and titles.
constexpr uint32_t kItemKeyChars = 255;

std::string withoutLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string itemKey(const std::string& definitionFile, int menuNo, int itemNo, const char* suffix) {
    char section[32];
    char key[32];
    std::snprintf(section, sizeof(section), "PGM_MENU_%03d", menuNo);
    std::snprintf(key, sizeof(key), "ITEM_%03d%s", itemNo, suffix);
    return tk73def::readProfileString(definitionFile, section, key, kItemKeyChars);
}

std::string definedItemTitle(const std::string& definitionFile, int menuNo, int itemNo) {
    return withoutLeadingBlanks(itemKey(definitionFile, menuNo, itemNo, "_TITLE"));
}

std::string itemTitle(const std::string& definitionFile, int menuNo, int itemNo) {
    std::string title = definedItemTitle(definitionFile, menuNo, itemNo);
    if (!title.empty()) {
        return title;
    }
    const std::string field = itemKey(definitionFile, menuNo, itemNo, "_FIELD");
    char fieldTitle[257] = {};
    if (field.empty() || !CTK73defFIELDTITLES(definitionFile.c_str())
                              .GetValueFromFieldNo(std::atoi(field.c_str()), fieldTitle)) {
        return std::string();
    }
    return withoutLeadingBlanks(fieldTitle);
}

}  // namespace tk73editor
