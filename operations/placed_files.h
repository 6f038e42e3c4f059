#pragma once
// New files that replace files of a store all together or not at all. Each new file is written
// whole beside the one it replaces first, so that a full disk shows before any file of the store
// has changed; the old files are kept under a second name while the new ones are renamed into
// place, put back should any rename fail, and only removed once every new file is in place.

#include <string>
#include <vector>

namespace tk73ops {

struct FilePlacement {
    std::string source;
    std::string target;
};

// True when every target holds its source's bytes (targets that did not exist are made); false
// with every target as it was.
bool placeAllOrNothing(const std::vector<FilePlacement>& files);

}  // namespace tk73ops
