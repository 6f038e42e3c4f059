// The Arabic code page library loaded by its Windows name, as the archive packer loads it.

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

#include "platform/dynamic_library.h"

namespace {

using Convert = int (*)(const char*, char*, int*);
using Format = int (*)(const char*, char*, int);

// UTF-8 as bytes of a code page, for writing the test texts readably.
std::string inCodePage(const std::string& utf8, const char* codePage) {
    const iconv_t convert = iconv_open(codePage, "UTF-8");
    std::string in = utf8;
    std::string out(utf8.size() * 4, '\0');
    char* inAt = in.data();
    size_t inLeft = in.size();
    char* outAt = out.data();
    size_t outLeft = out.size();
    EXPECT_NE(iconv(convert, &inAt, &inLeft, &outAt, &outLeft), static_cast<size_t>(-1)) << utf8;
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

class ArabicCodePages : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = tk73::loadLibrary("Arblibpc.dll");
        ASSERT_NE(module_, nullptr);
        toIbm864_ =
            reinterpret_cast<Convert>(tk73::librarySymbol(module_, "Arblib_Win1256_to_Ibm864"));
        toWin1256_ =
            reinterpret_cast<Convert>(tk73::librarySymbol(module_, "Arblib_Ibm864_to_Win1256"));
        format_ = reinterpret_cast<Format>(tk73::librarySymbol(module_, "Arblib_Format_Ibm864"));
        ASSERT_TRUE(toIbm864_ && toWin1256_ && format_);
    }
    void TearDown() override { tk73::freeLibrary(module_); }

    std::string convert(Convert function, const std::string& in) {
        char out[600] = {};
        int length = -1;
        EXPECT_EQ(function(in.c_str(), out, &length), 0);
        EXPECT_EQ(length, static_cast<int>(std::string(out).size()));
        return out;
    }
    std::string format(const std::string& in) {
        char out[600] = {};
        EXPECT_EQ(format_(in.c_str(), out, 1), 0);
        return out;
    }

    void* module_ = nullptr;
    Convert toIbm864_ = nullptr;
    Convert toWin1256_ = nullptr;
    Format format_ = nullptr;
};

TEST_F(ArabicCodePages, ShapesIntoIbm864FormsAndComesBackToTheSameWindows1256Text) {
    // Beh before beh: the first takes its initial form (0xC8), the second its final form, which
    // IBM864 lacks, so the isolated one (0xA9) stands for it.
    EXPECT_EQ(format(convert(toIbm864_, inCodePage("بب", "WINDOWS-1256"))), "\xC8\xA9");
    // Lam and alef become one ligature.
    EXPECT_EQ(format(convert(toIbm864_, inCodePage("لا", "WINDOWS-1256"))).size(), 1u);

    for (const char* text : {"محمد 10% off", "خبز عربي", "سلام عليكم", "PLU 42 ABC"}) {
        const std::string original = inCodePage(text, "WINDOWS-1256");
        const std::string shaped = format(convert(toIbm864_, original));
        EXPECT_EQ(format(shaped), shaped) << text;
        EXPECT_EQ(convert(toWin1256_, format(shaped)), original) << text;
    }
    const std::string ascii = "PLU 42 ABC";
    EXPECT_EQ(format(convert(toIbm864_, ascii)), ascii);
}

TEST_F(ArabicCodePages, KeepsOutputsWithinTheirRoomAndRefusesMissingBuffers) {
    char out[600] = {};
    int length = 0;
    EXPECT_EQ(toIbm864_(std::string(550, 'a').c_str(), out, &length), 0);
    EXPECT_EQ(length, 511);
    EXPECT_NE(toIbm864_(nullptr, out, &length), 0);
    EXPECT_NE(format_("a", out, 0), 0);
}

}  // namespace
