// The converter loaded as the suite loads it, by its Windows name, and driven by the suite's
// command lines on real files.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <string>

#include "platform/dynamic_library.h"
#include "tests/support/temp_environment.h"

namespace {

using InitGlconv = int (*)(const char*, int);
using tk73test::TempEnvironment;

const char kDefinition[] =
    "[SYSTEM]\r\nMACHINE_TYPE=49\r\n[FILE_INF]\r\nLOGO=30,31\r\n[CF]\r\nFOLDER_AUTOPGM=%s\r\n";

const char kPack[] =
    "\"C\",\"n:P0092:\"\r\n"
    "\"H\",\"KR3010\",\"20240401\",\"KR301            \",\"01\",\"REGISTER     \"\r\n"
    "\"F\",\"FILE004\",\"PLU                           \"\r\n"
    "000001,\"04012300000075\",\"Sourdough loaf  \"\r\n"
    "000002,\"04012300000143\",\"Rye bread       \"\r\n"
    "\"H\",\"KR3010\",\"20240401\",\"KR301            \",\"01\",\"REGISTER     \"\r\n"
    "\"F\",\"FILE005\",\"Department                    \"\r\n"
    "00001,\"Bakery      \"\r\n";

const char kLogo[] =
    "\"C\",\"n:P0031:\"\r\n"
    "\"H\",\"KR3010\",\"20240401\",\"KR301            \",\"01\",\"REGISTER     \"\r\n"
    "\"F\",\"FILE031\",\"Shop logo                     \"\r\n"
    "00001,\"FF00A5\"\r\n"
    "00002,\"0180C3\"\r\n"
    "00003,\"7E0001\"\r\n";

void putLittleEndian(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i));
    }
}

// The CRC-32 of the bytes before `size` written at `at`, as the converter seals a header.
void putCrc(std::string& bytes, size_t at, size_t size) {
    putLittleEndian(bytes, at,
                    static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                                static_cast<uInt>(size))));
}

// The most memory the process has used so far.
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class Converter : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = tk73::loadLibrary("GLCONV.DLL");
        ASSERT_NE(module_, nullptr) << tk73::mappedLibraryPath("GLCONV.DLL");
        init_ = reinterpret_cast<InitGlconv>(tk73::librarySymbol(module_, "InitGLCONV"));
        ASSERT_NE(init_, nullptr);
        writeDefinition("definition.ini", 49, env_.path("work"));
        std::filesystem::create_directories(env_.path("work"));
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(env_.root());
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        tk73::freeLibrary(module_);
    }

    void writeDefinition(const std::string& name, int machineType, const std::string& folder) {
        char text[512];
        std::snprintf(text, sizeof text, kDefinition, folder.c_str());
        std::string definition = text;
        definition.replace(definition.find("49"), 2, std::to_string(machineType));
        TempEnvironment::writeFile(env_.path(name), definition);
    }

    int run(char letter, const std::string& text, const std::string& binary,
            const std::string& definition = "definition.ini") {
        const std::string command = std::string(1, letter) + " \"" + env_.path(text) + "\" \"" +
                                    binary + "\" -lc -d\"" + env_.path(definition) + "\" -T";
        return init_(command.c_str(), 0);
    }

    std::string read(const std::string& name) const {
        return TempEnvironment::readFile(env_.path(name));
    }
    void write(const std::string& name, const std::string& bytes) const {
        TempEnvironment::writeFile(env_.path(name), bytes);
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(env_.path(name)); }

    TempEnvironment env_;
    void* module_ = nullptr;
    InitGlconv init_ = nullptr;
    std::filesystem::path previous_;
};

TEST_F(Converter, PackTextMakesABinaryFileInTheConverterFolderThatReadsBackByteForByte) {
    write("pack.txt", kPack);
    ASSERT_EQ(run('S', "pack.txt", "PgmFile.bin"), 0);
    EXPECT_NE(read("ECR.LOG").find("Result: 0"), std::string::npos);
    const std::string binary = read("work/PgmFile.bin");
    ASSERT_GE(binary.size(), 384u);
    EXPECT_EQ(static_cast<unsigned char>(binary[379]), 49);
    EXPECT_EQ(binary.find("Sourdough"), std::string::npos) << "the body is compressed";

    ASSERT_EQ(run('R', "back.txt", "PgmFile.bin"), 0);
    EXPECT_EQ(read("back.txt"), kPack);

    // An archive carries the controller's part after the register's: the reader stops at its
    // own end.
    write("work/PgmFile.bin", binary + binary + "tail");
    ASSERT_EQ(run('R', "appended.txt", "PgmFile.bin"), 0);
    EXPECT_EQ(read("appended.txt"), kPack);
}

TEST_F(Converter, RefusesEveryCutFlippedForeignOrOtherModelsFileAndWritesNothing) {
    write("pack.txt", kPack);
    ASSERT_EQ(run('S', "pack.txt", "PgmFile.bin"), 0);
    const std::string binary = read("work/PgmFile.bin");
    for (size_t length = 0; length < binary.size(); ++length) {
        write("work/PgmFile.bin", binary.substr(0, length));
        ASSERT_NE(run('R', "out.txt", "PgmFile.bin"), 0) << "cut at " << length;
        ASSERT_FALSE(exists("out.txt")) << "cut at " << length;
    }
    for (size_t at = 0; at < binary.size(); ++at) {
        std::string flipped = binary;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
        write("work/PgmFile.bin", flipped);
        ASSERT_NE(run('R', "out.txt", "PgmFile.bin"), 0) << "byte " << at;
        ASSERT_FALSE(exists("out.txt")) << "byte " << at;
    }
    EXPECT_NE(read("ECR.LOG").find("Result: "), std::string::npos);
    EXPECT_EQ(read("ECR.LOG").find("Result: 0"), std::string::npos);

    write("work/PgmFile.bin", std::string(1000, 'x'));
    EXPECT_EQ(run('R', "out.txt", "PgmFile.bin"), 1009);
    writeDefinition("other.ini", 80, env_.path("work"));
    write("work/PgmFile.bin", binary);
    EXPECT_EQ(run('R', "out.txt", "PgmFile.bin", "other.ini"), 104);
    EXPECT_FALSE(exists("out.txt"));
    write("plain.txt", "not a program file\r\n");
    EXPECT_EQ(run('S', "plain.txt", "plain.bin"), 1009);
    EXPECT_FALSE(exists("work/plain.bin"));
}

TEST_F(Converter, LogoFileHasItsHeaderThenTheDotRowsAndNothingElse) {
    write("FILE031P.TXT", kLogo);
    ASSERT_EQ(run('S', "FILE031P.TXT", env_.path("FILE031P.DAT")), 0);
    const std::string binary = read("FILE031P.DAT");
    ASSERT_EQ(binary.size(), 191u + 3 * 3);
    EXPECT_EQ(binary.substr(191), std::string("\xFF\x00\xA5\x01\x80\xC3\x7E\x00\x01", 9));

    ASSERT_EQ(run('R', "back.txt", env_.path("FILE031P.DAT")), 0);
    EXPECT_EQ(read("back.txt"), kLogo);
    write("FILE031P.DAT", binary + "x");
    EXPECT_NE(run('R', "out.txt", env_.path("FILE031P.DAT")), 0);
    write("FILE031P.DAT", binary.substr(0, binary.size() - 1));
    EXPECT_NE(run('R', "out.txt", env_.path("FILE031P.DAT")), 0);
    EXPECT_FALSE(exists("out.txt"));

    // A row of another width is no logo.
    std::string ragged = kLogo;
    ragged.replace(ragged.find("7E0001"), 6, "7E00");
    write("FILE031P.TXT", ragged);
    EXPECT_EQ(run('S', "FILE031P.TXT", env_.path("ragged.DAT")), 1009);
}

// Headers that no writer makes, with every checksum made right, so that only the reader's own
// checks of sizes and lines stand between them and a text.
TEST_F(Converter, RefusesHeadersNoWriterMakesEvenWithTheirChecksumsRight) {
    write("pack.txt", kPack);
    ASSERT_EQ(run('S', "pack.txt", "PgmFile.bin"), 0);
    std::string binary = read("work/PgmFile.bin");
    // A text length of 256 MiB behind a body of some hundred bytes: refused without first
    // setting that much memory aside.
    putLittleEndian(binary, 24, 256u << 20);
    putCrc(binary, 380, 380);
    write("work/PgmFile.bin", binary);
    const long peak = peakKiB();
    EXPECT_EQ(run('R', "out.txt", "PgmFile.bin"), 1008);
    EXPECT_LT(peakKiB() - peak, 64 * 1024);
    EXPECT_FALSE(exists("out.txt"));

    // A logo whose header line holds a line end would read back as other lines than it holds.
    write("FILE031P.TXT", kLogo);
    ASSERT_EQ(run('S', "FILE031P.TXT", env_.path("FILE031P.DAT")), 0);
    std::string logo = read("FILE031P.DAT");
    ASSERT_EQ(logo.substr(23, 4), "\"H\",");
    logo.replace(23, 4, "A\r\nB");
    putCrc(logo, 187, 187);
    write("FILE031P.DAT", logo);
    EXPECT_EQ(run('R', "out.txt", env_.path("FILE031P.DAT")), 1009);
    EXPECT_FALSE(exists("out.txt"));
}

TEST_F(Converter, AnswersControllerTransfersAndMalformedCommandsWithTheirCodes) {
    write("FILE003P.TXT", kPack);
    // A controller whose address the definition does not name.
    const std::string definition = env_.path("controller.ini");
    write("controller.ini", "[TCP/IP]\r\nECR01=127.0.0.1\r\n");
    const std::string transfer =
        "S \"" + env_.path("FILE003P.TXT") + "\" 3 -t2 -li -d\"" + definition + "\" -T";
    EXPECT_EQ(init_(transfer.c_str(), 0), 3006);
    EXPECT_NE(read("ECR.LOG").find("Not found terminal number"), std::string::npos);
    EXPECT_EQ(init_(("S \"x\" 3 -t2 -d\"" + definition + "\"").c_str(), 0), 9998);
    EXPECT_EQ(init_("X \"a\" \"b\" -lc -d\"c\" -T", 0), 3002);
    EXPECT_EQ(init_("S \"a\" -lc -T", 0), 9998);
    EXPECT_EQ(init_(nullptr, 0), 3002);
    EXPECT_EQ(run('S', "FILE003P.TXT", "x.bin", "missing.ini"), 9997);
    EXPECT_EQ(run('S', "missing.txt", "x.bin"), 1020);
}

}  // namespace
