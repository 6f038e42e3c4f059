#pragma once
// Register model 301 keeps the PLU status (merge item 3) and the department status (item 8) in
// a longer layout than the Vek controller, and only some of the characters mean the same on
// both machines. For these items the merge compares and copies only those characters.

#include <string>

// One run of characters that mean the same on both machines: its position in the Vek value, its
// position in the register value (both from 0) and its length. A table ends with a Vek position
// of -1.
struct tagOffset_PGM_TBL {
    int nVekPos;
    int nRegPos;
    int nLength;
};

namespace tk73pgm {

// The register model whose items 3 and 8 are merged by position.
inline constexpr int kPositionMergeModel = 301;

// The directions of a merge.
inline constexpr int kMergeRegToVek = 0;
inline constexpr int kMergeVekToReg = 1;

// The position table of a merge item, or null for an item that is merged whole.
const tagOffset_PGM_TBL* positionTableOf(int item);

// Places the characters of the source value at the table's positions in the target value: from
// the register's positions to the Vek's for kMergeRegToVek, the reverse for kMergeVekToReg. A
// run that reaches past the end of either value is placed only as far as both values go, so
// the target keeps its length.
void placePositions(const tagOffset_PGM_TBL* table, const std::string& source, std::string& target,
                    int direction);

}  // namespace tk73pgm
