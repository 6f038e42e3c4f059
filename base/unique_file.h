#pragma once
// The counter rule of the unique temporary files.

#include <string>

namespace tk73 {

// Creates the first file folder + prefix + stamp + counter ("%04d", 0 to 9998) + extension that
// does not exist yet and gives its name; empty when all 9999 names exist or the folder does not
// take new files. The folder ends with its separator.
std::string createUniqueFile(const std::string& folder, const std::string& prefix,
                             const std::string& stamp, const std::string& extension);

}  // namespace tk73
