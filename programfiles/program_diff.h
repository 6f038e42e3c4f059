#pragma once
// The fields that differ between two text program files of the same layout: record by record,
// field by field (header lines are not compared). Files whose record counts or fields per
// record differ are not of the same layout and are not compared.

#include <string>
#include <vector>

namespace tk73pgm {

struct FieldDifference {
    int record = 0;
    int fieldIndex = 0;  // 1: the first field after the record number
    std::string left;
    std::string right;
};

// false with the reason in error when a file cannot be read or the layouts differ.
[[nodiscard]] bool DiffProgramFiles(const std::string& left, const std::string& right,
                                    std::vector<FieldDifference>& out, std::string& error);

}  // namespace tk73pgm
