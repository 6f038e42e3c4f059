// The access engine of the program file handle: reads, writes and searches of item values over
// ranges of records.

#include <algorithm>
#include <map>
#include <memory>

#include "programfiles/pgm_handle.h"
#include "programfiles/pgm_item_places.h"
#include "programfiles/pgm_item_value.h"
#include "programfiles/pgm_open_file.h"
#include "programfiles/pgm_record_access.h"

namespace {

// Record numbers have at most six digits, so no request needs more values than this per item.
constexpr long kMaxValues = 1000000;

bool inRange(const tagPGMITEMDEF& item, long record) {
    return record >= item.nFirstRecord &&
           record < static_cast<long>(item.nFirstRecord) + item.nRecordCount;
}

// The items of the order that lie in the file, in the order's (field) order.
std::vector<const tagPGMITEMDEF*> itemsOfFile(const tagPGMITEMDEF* items,
                                              const std::vector<int>& order, int fileNo) {
    std::vector<const tagPGMITEMDEF*> inFile;
    for (int i : order) {
        if (items[i].nFileNo == fileNo) {
            inFile.push_back(&items[i]);
        }
    }
    return inFile;
}

}  // namespace

int CPgmHandle::AccessItems(int operation, tagPGMITEMDEF* items, int itemCount, int firstRecord,
                            int recordCount, PGMITEMDATAARRAY* values, int firstValueIndex) {
    if (items == nullptr || itemCount < 1 || recordCount < 1 || values == nullptr ||
        firstValueIndex < 0 || operation < PGM_ACCESS_READ_DEFAULT ||
        operation > PGM_ACCESS_SEARCH_BACKWARD_CASE + PGM_ACCESS_SEARCH_DEFAULT ||
        static_cast<long>(firstValueIndex) + recordCount > kMaxValues) {
        return -1;
    }
    std::vector<int> order;
    for (int i = 0; i < itemCount; ++i) {
        const size_t needed = static_cast<size_t>(firstValueIndex) + recordCount;
        if (values[i].size() < needed) {
            values[i].resize(needed);
        }
        if (items[i].nFileNo != PGM_ITEM_UNUSED) {
            order.push_back(i);
        }
    }
    // Every file is opened once and every record line is walked from left to right.
    std::stable_sort(order.begin(), order.end(), [items](int a, int b) {
        if (items[a].nFileNo != items[b].nFileNo) {
            return items[a].nFileNo < items[b].nFileNo;
        }
        return items[a].nFieldIndex < items[b].nFieldIndex;
    });
    for (int i : order) {
        if (items[i].nMemoryType == PGM_MEMORY_FUNC && !ResolveFuncItem(&items[i], nullptr)) {
            return -1;
        }
    }
    if (operation <= PGM_ACCESS_WRITE) {
        return ReadWrite(operation, items, order, firstRecord, recordCount, values,
                         firstValueIndex);
    }
    return Search(operation, items, order, firstRecord, values, firstValueIndex);
}

int CPgmHandle::ReadWrite(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                          int firstRecord, int recordCount, PGMITEMDATAARRAY* values,
                          int firstValueIndex) {
    const bool write = operation == PGM_ACCESS_WRITE;
    const bool inDefaults = operation == PGM_ACCESS_READ_DEFAULT;
    for (size_t group = 0; group < order.size();) {
        const int fileNo = items[order[group]].nFileNo;
        size_t groupEnd = group;
        while (groupEnd < order.size() && items[order[groupEnd]].nFileNo == fileNo) {
            ++groupEnd;
        }
        tk73pgm::PgmLoadedFile* loaded = inDefaults ? nullptr : FindLoaded(fileNo);
        const std::string path = FilePath(fileNo, inDefaults);
        tk73pgm::PgmOpenFile open;
        if (path.empty() || !open.open(path, loaded, write)) {
            return -1;
        }
        // The items of the file with their values (in field order) and the records that lie
        // within the range of every one of them.
        const std::vector<const tagPGMITEMDEF*> slots = itemsOfFile(items, order, fileNo);
        std::vector<tagPGMITEMDATA*> slotValues;
        long rangeFirst = 1;
        long rangeEnd = kMaxValues;
        for (size_t k = group; k < groupEnd; ++k) {
            const tagPGMITEMDEF& item = items[order[k]];
            slotValues.push_back(values[order[k]].data() + firstValueIndex);
            rangeFirst = std::max(rangeFirst, static_cast<long>(item.nFirstRecord));
            rangeEnd = std::min(rangeEnd, static_cast<long>(item.nFirstRecord) + item.nRecordCount);
        }
        tk73pgm::ItemPlaces places(open.file(), slots);
        const tk73pgm::FileItems access{places, slots, slotValues, rangeFirst, rangeEnd};
        const long end = static_cast<long>(firstRecord) + recordCount;
        const bool ok = write ? tk73pgm::writeRecords(open, access, firstRecord, end)
                              : tk73pgm::readRecords(open.file(), access, firstRecord, end);
        if (!open.close()) {
            // The loaded copy holds changes that did not reach the file.
            if (loaded != nullptr) {
                DropLoaded(fileNo);
            }
            return -1;
        }
        if (!ok) {
            return -1;
        }
        group = groupEnd;
    }
    return 0;
}

int CPgmHandle::Search(int operation, tagPGMITEMDEF* items, const std::vector<int>& order,
                       int firstRecord, PGMITEMDATAARRAY* values, int firstValueIndex) {
    const bool inDefaults = operation > PGM_ACCESS_SEARCH_BACKWARD_CASE;
    if (inDefaults) {
        operation -= PGM_ACCESS_SEARCH_DEFAULT;
    }
    const bool forward = operation <= PGM_ACCESS_SEARCH_FORWARD_CASE;
    const bool ignoreCase =
        operation == PGM_ACCESS_SEARCH_FORWARD || operation == PGM_ACCESS_SEARCH_BACKWARD;
    if (order.empty()) {
        return -1;
    }
    // Each file of the items, opened once, with the places of its items.
    struct SearchedFile {
        tk73pgm::PgmOpenFile open;
        std::unique_ptr<tk73pgm::ItemPlaces> places;
        size_t itemCount = 0;
    };
    // Each item of the order: its file, its index among the file's items and the wanted value.
    struct SearchedItem {
        const tagPGMITEMDEF* item;
        SearchedFile* file;
        size_t index;
        tk73pgm::ItemMatcher matcher;
    };
    std::map<int, SearchedFile> files;
    std::vector<SearchedItem> searched;
    for (int i : order) {
        const int fileNo = items[i].nFileNo;
        SearchedFile& file = files[fileNo];
        if (file.places == nullptr) {
            const std::string path = FilePath(fileNo, inDefaults);
            if (path.empty() ||
                !file.open.open(path, inDefaults ? nullptr : FindLoaded(fileNo), false)) {
                return -1;
            }
            file.places = std::make_unique<tk73pgm::ItemPlaces>(file.open.file(),
                                                                itemsOfFile(items, order, fileNo));
        }
        searched.push_back(
            {&items[i], &file, file.itemCount++,
             tk73pgm::ItemMatcher(items[i], values[i][static_cast<size_t>(firstValueIndex)],
                                  ignoreCase)});
    }
    for (long record = firstRecord; record >= 1; record += forward ? 1 : -1) {
        bool match = true;
        for (size_t k = 0; match && k < searched.size(); ++k) {
            const SearchedItem& item = searched[k];
            tk73pgm::ItemPlaces& places = *item.file->places;
            tk73pgm::ItemPlace place;
            if (!inRange(*item.item, record) || !places.seek(record) ||
                !places.place(item.index, place)) {
                return -1;
            }
            const int result =
                item.matcher.match(item.file->open.file().contents.bytes.get(), place.first);
            if (result < 0) {
                return -1;
            }
            match = result == 1;
        }
        if (match) {
            return static_cast<int>(record);
        }
    }
    return -1;
}
