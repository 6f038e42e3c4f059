// The logo bitmap: the headers a bitmap reader relies on, each dot where the logo has it (rows
// bottom-up, padded to four bytes, black where the register prints), and logo files of the wrong
// size refused.

#include "operations/logo_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tk73ops {
namespace {

uint32_t read32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

// A logo of 16 x 3 dots: rows 0x8001, 0xFF00, 0x0F0F behind a header of 191 bytes.
std::string logoFile() {
    std::string file(kLogoHeaderBytes, 'H');
    file += std::string("\x80\x01\xFF\x00\x0F\x0F", 6);
    return file;
}

TEST(LogoBitmap, WritesEveryDotWhereTheLogoHasIt) {
    const std::optional<std::string> bitmap = LogoBitmapFromProgramFile(logoFile(), 16, 3);
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->size(), 62u + 4u * 3u);
    EXPECT_EQ(bitmap->substr(0, 2), "BM");
    EXPECT_EQ(read32(*bitmap, 2), 74u);   // file size
    EXPECT_EQ(read32(*bitmap, 10), 62u);  // data offset
    EXPECT_EQ(read32(*bitmap, 14), 40u);
    EXPECT_EQ(read32(*bitmap, 18), 16u);
    EXPECT_EQ(read32(*bitmap, 22), 3u);
    EXPECT_EQ(read32(*bitmap, 26), 0x00010001u);  // one plane, one bit a dot
    EXPECT_EQ(read32(*bitmap, 30), 0u);           // not compressed
    EXPECT_EQ(read32(*bitmap, 54), 0x00000000u);  // index 0 black
    EXPECT_EQ(read32(*bitmap, 58), 0x00FFFFFFu);  // index 1 white
    // Bottom row first; a printed dot is black (0), each row padded to four bytes.
    EXPECT_EQ(bitmap->substr(62), std::string("\xF0\xF0\x00\x00"
                                              "\x00\xFF\x00\x00"
                                              "\x7F\xFE\x00\x00",
                                              12));
}

TEST(LogoBitmap, RefusesALogoFileOfAnotherSize) {
    const std::string file = logoFile();
    EXPECT_FALSE(LogoBitmapFromProgramFile(file + "x", 16, 3));
    EXPECT_FALSE(LogoBitmapFromProgramFile(file.substr(0, file.size() - 1), 16, 3));
    EXPECT_FALSE(LogoBitmapFromProgramFile(file, 16, 4));
    EXPECT_FALSE(LogoBitmapFromProgramFile(file, 12, 4));
    EXPECT_FALSE(LogoBitmapFromProgramFile(file, 0, 3));
    EXPECT_FALSE(LogoBitmapFromProgramFile(std::string(kLogoHeaderBytes, 'H'), 16, 0));
}

}  // namespace
}  // namespace tk73ops
