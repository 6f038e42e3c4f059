#include "apps/shell/save_as_choice.h"

#include <algorithm>

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
