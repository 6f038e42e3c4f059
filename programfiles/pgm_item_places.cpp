#include "programfiles/pgm_item_places.h"

#include <algorithm>
#include <utility>

#include "programfiles/pgm_item_value.h"

namespace tk73pgm {

ItemPlaces::ItemPlaces(const PgmLoadedFile& file, std::vector<const tagPGMITEMDEF*> items)
    : file_(file), items_(std::move(items)), learned_(items_.size()), cursor_(nullptr, 0) {
    for (const tagPGMITEMDEF* item : items_) {
        maxIndex_ = std::max(maxIndex_, item->nFieldIndex);
    }
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
