// Arbitrary definition files through the definition classes and the program file handle's item
// resolution. An input is a definition file, then optionally a NUL and the maintenance copy of
// every program file its items name. Each item of the first menus is resolved by number without
// and with loading its file, and by title as the editors name it; a resolved item must be sound,
// loading must not change where it lies, and the field index it found must be the field the
// definition's field list shows there. A field title written through the definition classes
// reads back, becomes the title of the items that have none of their own, and changes neither
// any other title nor where any item lies.

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "apps/editors/framework/definition/item_title.h"
#include "definitions/decimal_text.h"
#include "definitions/def_field_titles.h"
#include "definitions/def_file_fields.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_pgm_files.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"
#include "fuzz/fuzz_environment.h"
#include "programfiles/pgm_handle.h"

namespace {

constexpr size_t kMaxMenus = 2;  // menus of an input whose items are resolved
constexpr int kMaxItems = 8;     // items 0 to 7 of each
constexpr int kMaxFields = 64;   // entries of a file's field list that are compared

std::string g_folder;
// The program files written for the input before.
std::vector<std::string> g_programFiles;

void check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Gives the file a modification time of its own a minute back. The suite keeps a parsed
// definition file only once it has not changed for a while, as installed and stored files have
// not; without this every one of the many reads of an input would parse the file again.
void settle(const std::string& path) {
    static long stamp = 0;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const timespec times[2] = {{now.tv_sec - 60, 0}, {now.tv_sec - 60, ++stamp % 1000000000}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

bool sameDefinition(const tagPGMITEMDEF& a, const tagPGMITEMDEF& b) {
    return a.nFileNo == b.nFileNo && a.nMemoryType == b.nMemoryType &&
           a.nFirstRecord == b.nFirstRecord && a.nRecordCount == b.nRecordCount &&
           a.nFieldIndex == b.nFieldIndex && a.nDataType == b.nDataType &&
           a.nPosition == b.nPosition && a.nWidth == b.nWidth && a.nMean == b.nMean &&
           a.nMenuNo == b.nMenuNo;
}

// The numbers of the first "[PGM_MENU_nnn]" sections of the text.
std::vector<int> menusOf(std::string_view text) {
    std::vector<int> menus;
    constexpr std::string_view kHead = "[PGM_MENU_";
    for (size_t at = text.find(kHead); at != std::string_view::npos && menus.size() < kMaxMenus;
         at = text.find(kHead, at + 1)) {
        const int menu = tk73def::decimalValue(text.substr(at + kHead.size(), 3));
        if (std::find(menus.begin(), menus.end(), menu) == menus.end()) {
            menus.push_back(menu);
        }
    }
    return menus;
}

struct Item {
    int menu = 0;
    int number = 0;
    std::optional<tagPGMITEMDEF> resolved;
};

// The item's field number as the handle reads it (values of up to 1023 characters).
int fieldNoOf(const std::string& definition, const Item& item) {
    const std::string section = tk73def::numberedName("PGM_MENU_%03d", item.menu);
    const std::string key = tk73def::numberedName("ITEM_%03d", item.number) + "_FIELD";
    return tk73def::decimalValue(
        tk73def::readProfileString(definition, section.c_str(), key.c_str(), 1023));
}

std::optional<tagPGMITEMDEF> resolve(CPgmHandle& handle, int menu, int number, int load) {
    tagPGMITEMDEF def;
    if (handle.GetItemDef(&def, menu, number, load) != 1) {
        return std::nullopt;
    }
    return def;
}

// A resolved item names a program file, a known memory and data type, a field and a width, and
// the menu it came from.
void checkSound(const tagPGMITEMDEF& def, int menu) {
    check(def.nFileNo >= 1 && def.nMenuNo == menu && def.nFieldIndex >= 1 && def.nWidth != 0);
    check(def.nMemoryType >= PGM_MEMORY_INDEX && def.nMemoryType <= PGM_MEMORY_FUNC);
    check(def.nDataType >= PGM_DATA_CHAR && def.nDataType <= PGM_DATA_HEX);
    check(def.nDataType != PGM_DATA_BIT || (def.nWidth >= 1 && def.nWidth <= 4));
}

// The definition's field list of a program file, as the program view shows it.
using FieldList = std::vector<FIELD_INFO>;

// The entry the definition's field list of the item's file shows at the item's field index
// holds the item's field number.
void checkFieldList(const FieldList& fields, int fieldNo, int fieldIndex) {
    for (const FIELD_INFO& field : fields) {
        check(field.index != fieldIndex || field.fieldNo == fieldNo);
    }
}

// The titles of the section by index, with their numbers.
template <class Titles>
std::vector<std::pair<int, std::string>> readTitles(const Titles& titles) {
    std::vector<std::pair<int, std::string>> all;
    for (int i = 0; i < titles.GetValueCount(); ++i) {
        int number = 0;
        char title[tk73def::TitleKeys::kMaxTitle + 1] = {};
        check(titles.GetValueFromIndex(i, &number, title) == 1);
        all.emplace_back(number, title);
    }
    return all;
}

// The field titles but those of one field number.
std::vector<std::pair<int, std::string>> otherFieldTitles(const std::string& definition,
                                                          int fieldNo) {
    std::vector<std::pair<int, std::string>> others;
    for (auto& entry : readTitles(CTK73defFIELDTITLES(definition.c_str()))) {
        if (entry.first != fieldNo) {
            others.push_back(std::move(entry));
        }
    }
    return others;
}

// A title of letters and digits with single blanks inside, from the input's last bytes.
std::string titleFrom(std::string_view bytes) {
    std::string title = "T";
    for (const char c : bytes.substr(bytes.size() - std::min<size_t>(bytes.size(), 24))) {
        const auto u = static_cast<unsigned char>(c);
        title += u % 5 == 0 && title.back() != ' ' ? ' ' : static_cast<char>('a' + u % 26);
    }
    if (title.back() == ' ') {
        title.pop_back();
    }
    return title;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = tk73fuzz::usePrivateEnvironment();
    std::filesystem::create_directory(g_folder + "/M001");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    const std::string_view text = input.substr(0, nul);
    const std::string_view program =
        nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    const std::string definition = g_folder + "/MODEL.INI";
    const std::string mainte = g_folder + "/M001";
    const std::string defaults = g_folder + "/DEFAULT";
    writeFile(definition, text);
    settle(definition);
    // Only this input's program files are there.
    for (const std::string& path : g_programFiles) {
        std::filesystem::remove(path);
    }
    g_programFiles.clear();

    // The sections every view of the model reads first.
    const CTK73defFILEINF files(definition.c_str());
    Record_Information layout;
    for (int i = 0; i < files.GetDataFilesValueCount(); ++i) {
        int fileNo = 0;
        check(files.GetDataFilesValueFromIndex(i, &fileNo) == 1);
        // A layout the input cuts short is the input's fault; reading it must only be safe.
        (void)files.GetFileDef(fileNo, &layout);
    }
    readTitles(CTK73defPGMFILES(definition.c_str()));

    CPgmHandle handle;
    check(handle.Open(definition.c_str(), mainte.c_str(), defaults.c_str()) == 1);
    const CTK73defFILExxxx view(definition.c_str());
    std::map<int, FieldList> fieldLists;
    std::set<int> written;
    std::vector<Item> items;
    for (const int menu : menusOf(text)) {
        for (int number = 0; number < kMaxItems; ++number) {
            const int fileNo =
                tk73def::decimalValue(tk73editor::itemKey(definition, menu, number, "_FILE"));
            if (fileNo >= 1 && fileNo <= 999 && written.insert(fileNo).second) {
                char path[TK73_MAX_PATH];
                g_programFiles.emplace_back(handle.GetMainteFileName(path, fileNo, 1));
                writeFile(g_programFiles.back(), program);
            }
            Item item{menu, number, resolve(handle, menu, number, 0)};
            const std::optional<tagPGMITEMDEF> loaded = resolve(handle, menu, number, 1);
            check(!loaded || item.resolved);
            if (item.resolved) {
                checkSound(*item.resolved, menu);
                auto [list, added] = fieldLists.try_emplace(item.resolved->nFileNo, kMaxFields);
                if (added) {
                    list->second.resize(static_cast<size_t>(view.GetPGMFileField(
                        item.resolved->nFileNo, list->second.data(), kMaxFields, 0)));
                }
                checkFieldList(list->second, fieldNoOf(definition, item),
                               item.resolved->nFieldIndex);
            }
            if (loaded) {
                checkSound(*loaded, menu);
                tagPGMITEMDEF counted = *loaded;
                if (loaded->nMemoryType == PGM_MEMORY_COUNT) {
                    counted.nRecordCount = item.resolved->nRecordCount;
                }
                check(sameDefinition(counted, *item.resolved));
            }
            items.push_back(item);
        }
    }

    // A new title for the field of the first item that names one (field titles are keyed by
    // three digits).
    const auto named = std::find_if(items.begin(), items.end(), [&](const Item& item) {
        const int fieldNo = fieldNoOf(definition, item);
        return fieldNo >= 1 && fieldNo <= 999;
    });
    if (named == items.end()) {
        return 0;
    }
    // The places as they stand with the files loaded: a count-type item of the item file counts
    // the records found until that file is loaded, and then keeps its declared count.
    for (Item& item : items) {
        item.resolved = resolve(handle, item.menu, item.number, 0);
    }
    const int fieldNo = fieldNoOf(definition, *named);
    const auto othersBefore = otherFieldTitles(definition, fieldNo);
    const std::string title = titleFrom(input);
    if (CTK73defFIELDTITLES(definition.c_str()).SetValueFromFieldNo(fieldNo, title.c_str()) != 1) {
        return 0;
    }
    settle(definition);
    char readBack[tk73def::TitleKeys::kMaxTitle + 1] = {};
    check(CTK73defFIELDTITLES(definition.c_str()).GetValueFromFieldNo(fieldNo, readBack) == 1 &&
          title == readBack);
    check(otherFieldTitles(definition, fieldNo) == othersBefore);
    for (const Item& item : items) {
        const std::optional<tagPGMITEMDEF> again = resolve(handle, item.menu, item.number, 0);
        check(again.has_value() == item.resolved.has_value() &&
              (!again || sameDefinition(*again, *item.resolved)));
        // The editors read the field number from at most 255 characters.
        if (tk73def::decimalValue(
                tk73editor::itemKey(definition, item.menu, item.number, "_FIELD")) == fieldNo &&
            tk73editor::definedItemTitle(definition, item.menu, item.number).empty()) {
            check(tk73editor::itemTitle(definition, item.menu, item.number) == title);
        }
    }
    return 0;
}
