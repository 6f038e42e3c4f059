#include "programfiles/pgm_item_places.h"

#include <algorithm>
#include <utility>

#include "programfiles/pgm_item_value.h"

namespace tk73pgm {

namespace {

// Records ahead of the current one whose line is fetched: enough lines in flight to hide the
// memory's latency behind the work on the lines between.
constexpr long kPrefetchDistance = 12;

}  // namespace

ItemPlaces::ItemPlaces(const PgmLoadedFile& file, std::vector<const tagPGMITEMDEF*> items)
    : file_(file), items_(std::move(items)), learned_(items_.size()), cursor_(nullptr, 0) {
    for (const tagPGMITEMDEF* item : items_) {
        maxIndex_ = std::max(maxIndex_, item->nFieldIndex);
    }
}

bool ItemPlaces::seek(long record) {
    if (record == record_) {
        return true;
    }
    const std::vector<RecordLineStart>& lines = file_.records;
    const long count = static_cast<long>(lines.size());
    if (record < 1 || record > count) {
        return false;
    }
    const char* bytes = file_.contents.bytes.get();
    // The line of a record ahead, in the direction of a scan from record to record.
    const long ahead = record < record_ ? record - kPrefetchDistance : record + kPrefetchDistance;
    if (ahead >= 1 && ahead <= count) {
        prefetch(bytes + lines[static_cast<size_t>(ahead - 1)]);
        prefetch(bytes + lines[static_cast<size_t>(ahead - 1)] + 64);
    }
    record_ = record;
    start_ = lines[static_cast<size_t>(record - 1)];
    useLayout_ = layout_.matches(bytes, file_.contents.size, start_) || learn();
    walking_ = false;
    return true;
}

bool ItemPlaces::learn() {
    if (!layout_.learn(file_.contents.bytes.get(), file_.contents.size, start_, maxIndex_)) {
        return false;
    }
    for (size_t k = 0; k < items_.size(); ++k) {
        // A negative field index names no field (walking the line finds none either).
        if (items_[k]->nFieldIndex < 0) {
            learned_[k].fits = false;
            continue;
        }
        const FieldSpan field = layout_.field(items_[k]->nFieldIndex, 0);
        size_t first = 0;
        size_t count = 0;
        learned_[k].fits = itemCharacters(field, *items_[k], first, count) != 0;
        learned_[k].place = {first, field.first, field.quoted};
    }
    ++layouts_;
    return true;
}

bool ItemPlaces::walk(size_t k, ItemPlace& out) {
    if (!walking_) {
        cursor_ = FieldCursor(file_.contents.bytes.get(), start_);
        walking_ = true;
    }
    FieldSpan field;
    size_t count = 0;
    if (!cursor_.seek(items_[k]->nFieldIndex, field) ||
        !itemCharacters(field, *items_[k], out.first, count)) {
        return false;
    }
    out.fieldFirst = field.first;
    out.quoted = field.quoted;
    return true;
}

}  // namespace tk73pgm
