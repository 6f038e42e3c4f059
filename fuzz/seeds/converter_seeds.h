#pragma once

#include <string>

namespace tk73seeds {

// What the packer and the converter make of every model's program files: pack texts for the
// splitter, and binary program, logo and archive files with their texts for the converter's
// readers. Makes stores of its own (the current store changes); work is a folder for the files
// in between.
void writeConverterSeeds(const std::string& corpus, const std::string& work);

}  // namespace tk73seeds
