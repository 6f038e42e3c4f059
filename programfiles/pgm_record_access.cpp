#include "programfiles/pgm_record_access.h"

#include "programfiles/pgm_item_value.h"

namespace tk73pgm {

namespace {

// Records ahead of the one read whose values are fetched, as the lines are.
constexpr long kValuesAhead = ItemPlaces::kLinesAhead;

// One item of an access, with what a line of the learned layout needs at hand: the item's place
// from the line's start and whether it fits there.
struct Slot {
    const tagPGMITEMDEF* item;
    tagPGMITEMDATA* values;
    int32_t dataType;
    ItemPlace place;
    bool fits;
};

// The slots of the access's items, their places not yet known.
std::vector<Slot> slotsOf(const FileItems& access) {
    std::vector<Slot> slots;
    for (size_t k = 0; k < access.items.size(); ++k) {
        slots.push_back({access.items[k], access.values[k], access.items[k]->nDataType, {}, false});
    }
    return slots;
}

// Moves to the record's line; false when it is outside the range or the file. When the line
// matches a layout that the slots do not know yet, they learn their places in it.
inline bool seekRecord(const FileItems& access, long record, std::vector<Slot>& slots,
                       unsigned& layouts) {
    if (record < access.rangeFirst || record >= access.rangeEnd || !access.places.seek(record)) {
        return false;
    }
    if (access.places.usesLayout() && layouts != access.places.layouts()) {
        layouts = access.places.layouts();
        for (size_t k = 0; k < slots.size(); ++k) {
            slots[k].fits = access.places.placeInLayout(k, slots[k].place);
        }
    }
    return true;
}

// Reads the items of a line of the learned layout (at line) into their values at index; false at
// the first item that fails.
bool readLayoutLine(const char* line, const std::vector<Slot>& slots, long record, size_t index) {
    for (const Slot& slot : slots) {
        tagPGMITEMDATA& value = slot.values[index];
        const auto read = [&](auto type) {
            return readItemValueOf<decltype(type)::value>(line + slot.place.first, *slot.item,
                                                          value, false);
        };
        if (!slot.fits || !forDataType(slot.dataType, read)) {
            return false;
        }
        value.record = static_cast<int32_t>(record);
    }
    return true;
}

// Writes the values at index into the items of the line of the learned layout at lineStart;
// false at the first item that fails.
bool writeLayoutLine(PgmOpenFile& open, size_t lineStart, const std::vector<Slot>& slots,
                     size_t index) {
    char* bytes = open.bytes();
    for (const Slot& slot : slots) {
        const size_t first = lineStart + slot.place.first;
        const char before = slot.place.first > slot.place.fieldFirst ? bytes[first - 1] : '\0';
        const auto write = [&](auto type) {
            return writeItemValueOf<decltype(type)::value>(bytes + first, before, *slot.item,
                                                           slot.values[index], slot.place.quoted);
        };
        const size_t written = slot.fits ? forDataType(slot.dataType, write) : 0;
        if (written == 0) {
            return false;
        }
        open.changed(first, written);
    }
    return true;
}

}  // namespace

bool readRecords(const PgmLoadedFile& file, const FileItems& access, long first, long end) {
    const char* bytes = file.contents.bytes.get();
    std::vector<Slot> slots = slotsOf(access);
    unsigned layouts = 0;
    for (long record = first; record < end; ++record) {
        if (!seekRecord(access, record, slots, layouts)) {
            return false;
        }
        const size_t index = static_cast<size_t>(record - first);
        if (access.places.usesLayout()) {
            // The values of the records ahead, as the lines are.
            if (record + kValuesAhead < end) {
                for (const Slot& slot : slots) {
                    prefetchToWrite(slot.values + index + kValuesAhead);
                }
            }
            if (!readLayoutLine(bytes + access.places.lineStart(), slots, record, index)) {
                return false;
            }
            continue;
        }
        // A line off the layout may hold quotes inside its fields.
        for (size_t k = 0; k < slots.size(); ++k) {
            ItemPlace place;
            tagPGMITEMDATA& value = slots[k].values[index];
            if (!access.places.place(k, place) ||
                !readItemValue(bytes, place.first, *slots[k].item, value, true)) {
                return false;
            }
            value.record = static_cast<int32_t>(record);
        }
    }
    return true;
}

bool writeRecords(PgmOpenFile& open, const FileItems& access, long first, long end) {
    char* bytes = open.bytes();
    std::vector<Slot> slots = slotsOf(access);
    unsigned layouts = 0;
    for (long record = first; record < end; ++record) {
        if (!seekRecord(access, record, slots, layouts)) {
            return false;
        }
        const size_t index = static_cast<size_t>(record - first);
        if (access.places.usesLayout()) {
            if (!writeLayoutLine(open, access.places.lineStart(), slots, index)) {
                return false;
            }
            continue;
        }
        for (size_t k = 0; k < slots.size(); ++k) {
            ItemPlace place;
            if (!access.places.place(k, place)) {
                return false;
            }
            const char before = place.first > place.fieldFirst ? bytes[place.first - 1] : '\0';
            const size_t written = writeItemValue(bytes + place.first, before, *slots[k].item,
                                                  slots[k].values[index], place.quoted);
            if (written == 0) {
                return false;
            }
            open.changed(place.first, written);
        }
    }
    return true;
}

}  // namespace tk73pgm
