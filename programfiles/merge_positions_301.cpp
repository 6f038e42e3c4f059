#include "programfiles/merge_positions_301.h"

#include <algorithm>

namespace tk73pgm {

namespace {

// The PLU status: five runs, the two-digit one the kitchen printer routing.
constexpr tagOffset_PGM_TBL kPluStatus[] = {{0, 0, 1},  {2, 6, 2}, {4, 8, 1},
                                            {6, 11, 1}, {7, 3, 1}, {-1, -1, 0}};
// The department status: the kitchen printer routing.
constexpr tagOffset_PGM_TBL kDeptStatus[] = {{2, 6, 2}, {-1, -1, 0}};

}  // namespace

const tagOffset_PGM_TBL* positionTableOf(int item) {
    switch (item) {
        case 3:
            return kPluStatus;
        case 8:
            return kDeptStatus;
        default:
            return nullptr;
    }
}

void placePositions(const tagOffset_PGM_TBL* table, const std::string& source, std::string& target,
                    int direction) {
    if (table == nullptr) {
        return;
    }
    for (; table->nVekPos >= 0; ++table) {
        const bool toVek = direction == kMergeRegToVek;
        const int from = toVek ? table->nRegPos : table->nVekPos;
        const int to = toVek ? table->nVekPos : table->nRegPos;
        if (from < 0 || to < 0 || table->nLength <= 0) {
            continue;
        }
        const size_t start = static_cast<size_t>(from);
        const size_t at = static_cast<size_t>(to);
        if (start >= source.size() || at >= target.size()) {
            continue;
        }
        const size_t count = std::min(
            {static_cast<size_t>(table->nLength), source.size() - start, target.size() - at});
        target.replace(at, count, source, start, count);
    }
}

}  // namespace tk73pgm
