#include "programfiles/pgm_line_structure.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using tk73pgm::ChunkStructure;

ChunkStructure byteByByte(const unsigned char* p, size_t valid) {
    ChunkStructure out;
    for (size_t i = 0; i < valid; ++i) {
        out.quotes |= p[i] == '"' ? 1u << i : 0;
        out.commas |= p[i] == ',' ? 1u << i : 0;
        out.control = out.control || p[i] < 0x20;
    }
    return out;
}

// Both ways of finding quotes, commas and control bytes give what a byte-by-byte look gives, for
// every count of valid bytes, whatever stands after them.
TEST(PgmLineStructureTest, WordsAndSixteenBytesAgreeWithByteByByte) {
    std::mt19937 random(7);
    const unsigned char typical[] = {'"',  ',', ' ',  '0',  'A',  '\r',
                                     '\n', 0,   0x1F, 0x20, 0x83, 0xFF};
    unsigned char chunk[32];
    for (int round = 0; round < 2000; ++round) {
        for (unsigned char& c : chunk) {
            c = random() % 2 ? typical[random() % sizeof typical]
                             : static_cast<unsigned char>(random());
        }
        for (size_t valid = 1; valid <= 16; ++valid) {
            const ChunkStructure expected = byteByByte(chunk, valid);
            const char* p = reinterpret_cast<const char*>(chunk);
            const ChunkStructure words = tk73pgm::chunkStructureByWords(p, valid);
            const ChunkStructure used = tk73pgm::chunkStructure(p, valid);
            for (const ChunkStructure& found : {words, used}) {
                ASSERT_EQ(found.quotes, expected.quotes) << round << " " << valid;
                ASSERT_EQ(found.commas, expected.commas) << round << " " << valid;
                ASSERT_EQ(found.control, expected.control) << round << " " << valid;
            }
        }
    }
}

}  // namespace
