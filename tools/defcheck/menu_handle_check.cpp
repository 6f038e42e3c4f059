// The menu items once more, through the program file handle that the editors use. A store made
// from the defaults holds copies of a default folder, so the handle is opened with each default
// folder as both the store's and the default files: every item that the checker resolved must
// resolve to the same place through the handle, and the handle must read it from the default
// file over its whole range.

#include <bit>
#include <filesystem>

#include "base/registry_settings.h"
#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_keys.h"
#include "programfiles/pgm_loaded_file.h"
#include "tools/defcheck/model_check.h"

namespace tk73tools {

namespace {

// The handle names the item file of the defaults (2 or 422) after the current controller
// setting, a switch of the whole process: set for one model and put back after it.
class ControllerSetting {
  public:
    explicit ControllerSetting(MachineKind kind) : previous_(AecrbsGetCurrentVekSetting()) {
        AecrbsSetCurrentVekSetting(kind == MachineKind::Controller ? 1 : 0, 0);
    }
    ~ControllerSetting() { AecrbsSetCurrentVekSetting(previous_, 0); }
    ControllerSetting(const ControllerSetting&) = delete;
    ControllerSetting& operator=(const ControllerSetting&) = delete;

  private:
    int previous_;
};

// Where an item lies, in the terms of the handle's resolved item.
struct Place {
    int file = 0;
    int memory = PGM_MEMORY_INDEX;
    int first = 0;
    int count = 0;
    int fieldIndex = 0;
    int type = PGM_DATA_CHAR;
    int position = 0;
    int width = 0;  // the bit number 1 to 4 for a bit item
};

Place checkerPlace(const ModelUnderCheck& model, const MenuItem& item) {
    static const int kMemory[] = {PGM_MEMORY_INDEX, PGM_MEMORY_COUNT, PGM_MEMORY_FUNC};
    static const int kType[] = {PGM_DATA_CHAR, PGM_DATA_DIGIT, PGM_DATA_BIT, PGM_DATA_HEX};
    Place place;
    place.file = item.file;
    place.memory = kMemory[static_cast<int>(item.memory)];
    place.first = item.first;
    place.count = item.count;
    // The checker keeps an item only when its field is in the layout of its default file.
    place.fieldIndex = model.defaults.at(item.file).layout.byNumber(item.field)->index;
    place.type = kType[static_cast<int>(item.type)];
    place.position = item.position;
    place.width = item.type == ItemType::Bit
                      ? std::countr_zero(static_cast<unsigned>(item.width)) + 1
                      : item.width;
    return place;
}

std::string rangeText(const Place& place) {
    static const char* const kNames[] = {"INDEX", "COUNT", "FUNC"};
    const bool known = place.memory >= PGM_MEMORY_INDEX && place.memory <= PGM_MEMORY_FUNC;
    const std::string records = place.count < 1
                                    ? "no record"
                                    : "records " + std::to_string(place.first) + " to " +
                                          std::to_string(place.first + place.count - 1);
    return std::string(known ? kNames[place.memory] : "?") + ", " + records;
}

std::string shapeText(const Place& place) {
    static const char* const kNames[] = {"CHAR", "DIGIT", "BIT", "HEX"};
    const bool known = place.type >= PGM_DATA_CHAR && place.type <= PGM_DATA_HEX;
    return std::string(known ? kNames[place.type] : "?") + " at character " +
           std::to_string(place.position) + (place.type == PGM_DATA_BIT ? ", bit " : ", width ") +
           std::to_string(place.width);
}

class HandleChecker {
  public:
    HandleChecker(const ModelUnderCheck& model, const std::string& folder, Findings& findings)
        : model_(model),
          folder_(folder),
          folderPath_(model.folder + "/" + folder),
          findings_(findings) {}

    void run() {
        const Profile& def = *model_.definition;
        if (!handle_.Open(def.path().c_str(), folderPath_.c_str(), folderPath_.c_str())) {
            findings_.add(def.label(), "", "", "the program file handle cannot open it");
            return;
        }
        for (const auto& [menu, items] : model_.menus) {
            for (const auto& [number, item] : items) {
                check(item);
            }
        }
    }

  private:
    void report(const MenuItem& item, const char* suffix, const std::string& problem) {
        findings_.add(model_.definition->label(), menuSectionName(item.menu),
                      itemKey(item.number, suffix),
                      "through the program file handle on " + folder_ + ", " + problem);
    }

    void check(const MenuItem& item) {
        tagPGMITEMDEF def;
        if (!handle_.GetItemDef(&def, item.menu, item.number, 0)) {
            reportRefusal(item);
            return;
        }
        const int memory = def.nMemoryType;
        if (memory == PGM_MEMORY_FUNC && !handle_.ResolveFuncItem(&def, nullptr)) {
            report(item, "_MEMORY",
                   "function " + std::to_string(item.function) + " is in no record of ITEM_000");
            return;
        }
        Place handle{def.nFileNo,     memory,        def.nFirstRecord, def.nRecordCount,
                     def.nFieldIndex, def.nDataType, def.nPosition,    def.nWidth};
        if (agrees(item, checkerPlace(model_, item), handle)) {
            readWhole(item, def);
        }
    }

    // The key that the handle does not take, by its own parsers; the item as a whole when both
    // take their keys (its file, its field or the file that a count is taken from).
    void reportRefusal(const MenuItem& item) {
        const Profile& def = *model_.definition;
        const std::string section = menuSectionName(item.menu);
        tagPGMITEMDEF parsed;
        if (!tk73pgm::parseItemMemory(def.text(section, itemKey(item.number, "_MEMORY")), parsed)) {
            report(item, "_MEMORY", "the value is refused");
        } else if (!tk73pgm::parseItemLayout(def.text(section, itemKey(item.number, "")), parsed)) {
            report(item, "", "the value is refused");
        } else {
            report(item, "_FILE", "the item does not resolve");
        }
    }

    // Each part of the place that differs becomes a finding on the key that gives it. A count or
    // a function's record depends on the folder's files, which the checker read in DEFAULT only.
    bool agrees(const MenuItem& item, const Place& mine, const Place& handle) {
        bool same = true;
        auto differ = [&](const char* suffix, const std::string& theirs, const std::string& ours) {
            report(item, suffix, "it resolves to " + theirs + ", the checker reads " + ours);
            same = false;
        };
        if (handle.file != mine.file) {
            differ("_FILE", "file " + std::to_string(handle.file),
                   "file " + std::to_string(mine.file));
        }
        const bool rangeHere = folder_ == "DEFAULT" || mine.memory == PGM_MEMORY_INDEX;
        if (handle.memory != mine.memory ||
            (rangeHere && (handle.first != mine.first || handle.count != mine.count))) {
            differ("_MEMORY", rangeText(handle), rangeText(mine));
        }
        if (handle.fieldIndex != mine.fieldIndex) {
            differ("_FIELD", "field index " + std::to_string(handle.fieldIndex),
                   "field index " + std::to_string(mine.fieldIndex));
        }
        if (handle.type != mine.type || handle.position != mine.position ||
            handle.width != mine.width) {
            differ("", shapeText(handle), shapeText(mine));
        }
        return same;
    }

    void readWhole(const MenuItem& item, tagPGMITEMDEF& def) {
        PGMITEMDATAARRAY values;
        if (def.nRecordCount >= 1 &&
            handle_.AccessItems(PGM_ACCESS_READ_DEFAULT, &def, 1, def.nFirstRecord,
                                def.nRecordCount, &values, 0) == 0) {
            return;
        }
        // The range failed: the records that the handle finds, and else the first record that
        // fails alone, tell why.
        char path[TK73_MAX_PATH] = {};
        handle_.GetDefaultFileName(path, def.nFileNo, 1);
        const std::string label = model_.folderLabel + "/" + folder_ + "/" +
                                  std::filesystem::path(path).filename().string();
        tk73pgm::PgmLoadedFile file;
        if (!tk73pgm::loadPgmFile(path, def.nFileNo, -1, file)) {
            report(item, "_FILE", label + " cannot be read");
            return;
        }
        const int last = def.nFirstRecord + def.nRecordCount - 1;
        if (def.nRecordCount < 1 || last > file.recordCount()) {
            report(item, "_MEMORY",
                   "its range (" +
                       rangeText({.memory = def.nMemoryType,
                                  .first = def.nFirstRecord,
                                  .count = def.nRecordCount}) +
                       ") does not lie within the " + std::to_string(file.recordCount()) +
                       " records (numbered in 6 or 5 digits) of " + label);
            return;
        }
        int record = def.nFirstRecord;
        while (record < last &&
               handle_.AccessItems(PGM_ACCESS_READ_DEFAULT, &def, 1, record, 1, &values, 0) == 0) {
            ++record;
        }
        report(item, "",
               "it reads no value from record " + std::to_string(record) + " of " + label +
                   " (its field is missing or too short for its position and width, or a bit "
                   "stands on no hexadecimal digit)");
    }

    const ModelUnderCheck& model_;
    std::string folder_;
    std::string folderPath_;
    Findings& findings_;
    CPgmHandle handle_;
};

}  // namespace

void checkModelHandle(const ModelUnderCheck& model, Findings& findings) {
    ControllerSetting setting(model.kind);
    for (const std::string& folder : model.defaultFolders) {
        HandleChecker(model, folder, findings).run();
    }
}

}  // namespace tk73tools
