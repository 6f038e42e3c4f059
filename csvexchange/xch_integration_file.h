#pragma once
// The data integration file: the PLU, department and group data of a store's register gathered
// into one CSV file for other systems, between a header and a trailer:
//
//   "HEAD-REC","<stamp>","XXX","XXXX","000092"
//   "FILE000P","<stamp>","<register code>","XXXXXXXXXXXXX"
//   "FILE004P","00001",...          one line per PLU record
//   "FILE005P","00001",...          one line per department record
//   "FILE006P","00001",...          one line per group record
//   "END-REC"
//
// Every value is quoted and nothing is escaped; lines end with CR LF. Other programs read this
// layout, so it never changes.

#include <string>

class CPgmHandle;

namespace tk73xch {

inline constexpr const char* kIntegrationCaption = "Data integration format";

// "%u%02u%02u%02u%02u%02u" of the local time now.
std::string integrationStamp();

// Writes the file at path from the items of the handle. On failure shows what failed (caption
// kIntegrationCaption), renames the file's ".CSV" to ".err" and answers 0.
[[nodiscard]] int writeIntegrationFile(const std::string& path, CPgmHandle& handle,
                                       const std::string& stamp, const std::string& registerCode);

}  // namespace tk73xch
