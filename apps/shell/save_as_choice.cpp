#include "apps/shell/save_as_choice.h"

#include <algorithm>

#include "operations/sd_card.h"
#include "platform/known_folders.h"
#include "platform/path_rule.h"

namespace tk73hub {

namespace {

int held(int value) {
    return std::clamp(value, PartialPluRange::kLowest, PartialPluRange::kHighest);
}

}  // namespace

void PartialPluRange::setFrom(int value) {
    from_ = held(value);
    to_ = std::max(to_, from_);
}

void PartialPluRange::setTo(int value) {
    to_ = held(value);
    from_ = std::min(from_, to_);
}

SaveAsChoice::SaveAsChoice(std::string fileName, bool partialOffered)
    : fileName_(std::move(fileName)) {
    // Never the program's working folder, which is no place for the user's archives.
    if (const size_t slash = tk73::lastSeparatorAt(fileName_); slash != std::string::npos) {
        startFolder_ = fileName_.substr(0, slash == 0 ? 1 : slash);
    } else if (startFolder_ = tk73ops::LastCardFolder(); startFolder_.empty()) {
        startFolder_ = tk73::knownFolderPath(tk73::KnownFolder::Documents);
    }
    types_.push_back({"ECR Auto PGM file", "*.092"});
    if (partialOffered) {
        types_.push_back({"Part PLU file", "*.crz"});
    }
}

void SaveAsChoice::accept(const std::string& path, int typeIndex) {
    chosen_ = path;
    chosenType_ = rangeEnabled(typeIndex) && typeIndex < static_cast<int>(types_.size())
                      ? Type::PartialPlu
                      : Type::Archive;
}

}  // namespace tk73hub
