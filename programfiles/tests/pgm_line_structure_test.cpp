#include "programfiles/pgm_line_structure.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using tk73pgm::BlockExpectation;

// Two blocks of 32 bytes, with the padding after them that a FileBuffer has.
struct Line {
    unsigned char bytes[96] = {};
};

bool byteByByte(const Line& line, const BlockExpectation* expected, size_t blocks) {
    for (size_t i = 0; i < 32 * blocks; ++i) {
        const BlockExpectation& block = expected[i / 32];
        const unsigned char c = line.bytes[i];
        if (block.counted[i % 32] != 0 && (c < 0x20 || (c == '"') != (block.quotes[i % 32] != 0) ||
                                           (c == ',') != (block.commas[i % 32] != 0))) {
            return false;
        }
    }
    return true;
}

// Every way of checking a line against the quotes and commas of a learned one (by words, by
// SSE2 and, where the processor has it, by AVX2) gives what a byte-by-byte look gives, for every
// count of counted bytes in the last block, whatever stands after them: lines made from the
// learned one with a few bytes changed, so that as many match as do not.
TEST(PgmLineStructureTest, EveryWayAgreesWithByteByByte) {
    std::mt19937 random(7);
    const unsigned char typical[] = {'"',  ',', ' ',  '0',  'A',  '\r',
                                     '\n', 0,   0x1F, 0x20, 0x83, 0xFF};
    const auto someByte = [&] {
        return random() % 2 ? typical[random() % sizeof typical]
                            : static_cast<unsigned char>(random());
    };
    int matched = 0;
    for (int round = 0; round < 2000; ++round) {
        // A learned line has no control byte.
        Line learned;
        for (size_t i = 0; i < 64; ++i) {
            do {
                learned.bytes[i] = someByte();
            } while (learned.bytes[i] < 0x20);
        }
        for (size_t counted = 1; counted <= 64; ++counted) {
            BlockExpectation expected[2];
            for (size_t i = 0; i < counted; ++i) {
                const unsigned char c = learned.bytes[i];
                expected[i / 32].quotes[i % 32] = c == '"' ? 0xFF : 0;
                expected[i / 32].commas[i % 32] = c == ',' ? 0xFF : 0;
                expected[i / 32].counted[i % 32] = 0xFF;
            }
            Line line = learned;
            for (unsigned changes = random() % 3; changes > 0; --changes) {
                line.bytes[random() % 64] = someByte();
            }
            const size_t blocks = (counted + 31) / 32;
            const char* p = reinterpret_cast<const char*>(line.bytes);
            const bool wanted = byteByByte(line, expected, blocks);
            matched += wanted ? 1 : 0;
            ASSERT_EQ(tk73pgm::blocksMatchByWords(p, expected, blocks), wanted) << round;
            ASSERT_EQ(tk73pgm::blocksMatch(p, expected, blocks, false), wanted) << round;
            ASSERT_EQ(tk73pgm::blocksMatch(p, expected, blocks, tk73pgm::hasAvx2()), wanted)
                << round;
        }
    }
    EXPECT_GT(matched, 20000);
}

}  // namespace
