#include "csvexchange/xch_archive_base.h"

#include <stdexcept>

int CTK73xchArchiveBase::PackBinFile(const char* outputFile, const char* text, int fileNo) {
    throw std::logic_error("You must not use this function. Please use TK73packArchive Class.");
}
