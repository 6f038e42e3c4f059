#include "csvexchange/xch_archive_base.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ArchiveBase, BaseFormOfPackBinFileThrowsItsText) {
    CTK73xchArchiveBase base("a", "b");
    CTK73xchArchiveBase& packer = base;
    try {
        // It throws before it answers.
        (void)packer.PackBinFile("out.bin", "", 4);
        FAIL() << "no exception";
    } catch (const std::logic_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "You must not use this function. Please use TK73packArchive Class.");
    }
}
