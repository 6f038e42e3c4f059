#pragma once
// Large program files for tests and benchmarks (a PLU file of up to 99,999 records, a scanning
// PLU file), made from a model's definition and its default file so that they have exactly the
// layout the suite expects: the default file's header lines, then generated records.
//
// Values follow each field's kind: unique 14-digit item codes, "ITEM %05d" names, prices and
// quantities spread over their range, links between 1 and 20, zero flags. The last `free`
// records are free: zero codes, blank names, zero values. The same request always gives the
// same bytes.

#include <string>

namespace tk73tools {

struct GenerateRequest {
    std::string modelFolder;  // e.g. <install>/register/KR301; its name is the indent name
    int fileNo = 4;
    int records = 0;  // 1 to 99,999 (9,999 for files with four-digit record numbers)
    int freeRecords = 0;
    std::string output;
};

inline constexpr int kMaxGeneratedRecords = 99999;

// Writes the file in one piece; false with the reason in error.
bool generateProgramFile(const GenerateRequest& request, std::string& error);

}  // namespace tk73tools
