#include "programfiles/pgm_line_structure.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using tk73pgm::ChunkExpectation;

// Two chunks of 16 bytes, with the padding after them that a FileBuffer has.
struct Line {
    unsigned char bytes[48] = {};
};

bool byteByByte(const Line& line, const ChunkExpectation* expected, size_t chunks) {
    for (size_t i = 0; i < 16 * chunks; ++i) {
        const ChunkExpectation& chunk = expected[i / 16];
        const unsigned char c = line.bytes[i];
        if (chunk.counted[i % 16] != 0 && (c < 0x20 || (c == '"') != (chunk.quotes[i % 16] != 0) ||
                                           (c == ',') != (chunk.commas[i % 16] != 0))) {
            return false;
        }
    }
    return true;
}

// Both ways of checking a line against the quotes and commas of a learned one give what a
// byte-by-byte look gives, for every count of counted bytes in the last chunk, whatever stands
// after them: lines made from the learned one with a few bytes changed, so that as many match as
// do not.
TEST(PgmLineStructureTest, WordsAndSixteenBytesAgreeWithByteByByte) {
    std::mt19937 random(7);
    const unsigned char typical[] = {'"',  ',', ' ',  '0',  'A',  '\r',
                                     '\n', 0,   0x1F, 0x20, 0x83, 0xFF};
    const auto someByte = [&] {
        return random() % 2 ? typical[random() % sizeof typical]
                            : static_cast<unsigned char>(random());
    };
    int matched = 0;
    for (int round = 0; round < 4000; ++round) {
        // A learned line has no control byte.
        Line learned;
        for (size_t i = 0; i < 32; ++i) {
            do {
                learned.bytes[i] = someByte();
            } while (learned.bytes[i] < 0x20);
        }
        for (size_t counted = 1; counted <= 32; ++counted) {
            ChunkExpectation expected[2];
            for (size_t i = 0; i < counted; ++i) {
                const unsigned char c = learned.bytes[i];
                expected[i / 16].quotes[i % 16] = c == '"' ? 0xFF : 0;
                expected[i / 16].commas[i % 16] = c == ',' ? 0xFF : 0;
                expected[i / 16].counted[i % 16] = 0xFF;
            }
            Line line = learned;
            for (unsigned changes = random() % 3; changes > 0; --changes) {
                line.bytes[random() % 32] = someByte();
            }
            const size_t chunks = (counted + 15) / 16;
            const char* p = reinterpret_cast<const char*>(line.bytes);
            const bool wanted = byteByByte(line, expected, chunks);
            matched += wanted ? 1 : 0;
            ASSERT_EQ(tk73pgm::chunksMatchByWords(p, expected, chunks), wanted) << round;
            ASSERT_EQ(tk73pgm::chunksMatch(p, expected, chunks), wanted) << round;
        }
    }
    EXPECT_GT(matched, 1000);
}

}  // namespace
