#pragma once
// Where the items of one access lie in the record lines of one file. A line that matches the
// layout learned from an earlier line has every item at the place the items had in that line,
// worked out once when the layout was learned; any other line is walked field by field.

#include <cstddef>
#include <vector>

#include "programfiles/pgm_item_def.h"
#include "programfiles/pgm_line_layout.h"
#include "programfiles/pgm_loaded_file.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

// The characters of one item in one record line.
struct ItemPlace {
    // The item's first character, and the first character of its field's text.
    size_t first = 0;
    size_t fieldFirst = 0;
    // Whether the field is enclosed in quotes.
    bool quoted = false;
};

class ItemPlaces {
  public:
    // items: the items of the access that lie in this file, in field order.
    ItemPlaces(const PgmLoadedFile& file, std::vector<const tagPGMITEMDEF*> items);

    // Moves to the record's line (staying when it is there already); false when the file has no
    // such record.
    [[nodiscard]] bool seek(long record) {
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
        const long ahead = record < record_ ? record - kLinesAhead : record + kLinesAhead;
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
    // Whether the line's fields come from the learned layout: then no quote stands inside them.
    bool usesLayout() const { return useLayout_; }
    // The place of item k (in the order given) in the line; false when its field or the room
    // for the item is missing.
    [[nodiscard]] bool place(size_t k, ItemPlace& out) {
        if (useLayout_) {
            const Learned& learned = learned_[k];
            out = {start_ + learned.place.first, start_ + learned.place.fieldFirst,
                   learned.place.quoted};
            return learned.fits;
        }
        return walk(k, out);
    }

    // The start of the line.
    size_t lineStart() const { return start_; }
    // Counts the layouts learned: the places in them change when it does.
    unsigned layouts() const { return layouts_; }
    // Where item k stands in a line of the learned layout, from the line's start; false when it
    // does not fit there.
    [[nodiscard]] bool placeInLayout(size_t k, ItemPlace& place) const {
        place = learned_[k].place;
        return learned_[k].fits;
    }

    // Records ahead of the current one whose line is fetched: enough lines in flight to hide the
    // memory's latency behind the work on the lines between.
    static constexpr long kLinesAhead = 12;

  private:
    // The places of the items relative to the start of a line of the learned layout.
    struct Learned {
        ItemPlace place;
        bool fits = false;
    };
    [[nodiscard]] bool learn();
    [[nodiscard]] bool walk(size_t k, ItemPlace& out);

    const PgmLoadedFile& file_;
    std::vector<const tagPGMITEMDEF*> items_;
    int maxIndex_ = 0;
    LineLayout layout_;
    std::vector<Learned> learned_;
    long record_ = 0;
    size_t start_ = 0;
    bool useLayout_ = false;
    unsigned layouts_ = 0;
    // The cursor that walks the line, once a place is looked for there without the layout.
    bool walking_ = false;
    FieldCursor cursor_;
};

}  // namespace tk73pgm
