#pragma once
// Where the quotes and commas of a piece of a record line stand, sixteen bytes at a time: the
// check behind LineLayout, run for every record line that an access touches.

#include <cstddef>
#include <cstdint>

#include "programfiles/pgm_record_lines.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TK73PGM_SSE2 1
#endif

namespace tk73pgm {

// Bit i stands for byte i of the chunk.
struct ChunkStructure {
    uint32_t quotes = 0;
    uint32_t commas = 0;
    // Whether a byte is a control character (NUL, CR, LF, tab...).
    bool control = false;
};

// The structure of the 16 bytes at p, of which the first valid (1 to 16) count; the others are
// taken as letters. p lies in a FileBuffer, whose padding makes the whole 16 bytes readable.
// Eight bytes at a time, on any processor.
inline ChunkStructure chunkStructureByWords(const char* p, size_t valid) {
    ChunkStructure out;
    // The high bit of each byte of a bytesEqual mask, gathered into bits 0 to 7.
    const auto gather = [](uint64_t mask) {
        return static_cast<uint32_t>(((mask >> 7) * 0x0102040810204080ULL) >> 56);
    };
    for (size_t half = 0; half < 2; ++half) {
        uint64_t word = loadWord(p + 8 * half);
        const size_t inHalf = valid > 8 * half ? valid - 8 * half : 0;
        if (inHalf < 8) {
            const uint64_t keep = (uint64_t{1} << (8 * inHalf)) - 1;
            word = (word & keep) | (~keep & (kEveryByte * 'A'));
        }
        out.quotes |= gather(bytesEqual(word, '"')) << (8 * half);
        out.commas |= gather(bytesEqual(word, ',')) << (8 * half);
        out.control = out.control || hasControlByte(word);
    }
    return out;
}

#if defined(TK73PGM_SSE2)
// The same, sixteen bytes at once: about twice as fast over a whole file.
inline ChunkStructure chunkStructureBySse2(const char* p, size_t valid) {
    alignas(16) static constexpr unsigned char kKeep[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                            0xFF, 0xFF, 0xFF, 0xFF};
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if (valid < 16) {
        const __m128i keep = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeep + 16 - valid));
        bytes =
            _mm_or_si128(_mm_and_si128(bytes, keep), _mm_andnot_si128(keep, _mm_set1_epi8('A')));
    }
    ChunkStructure out;
    out.quotes =
        static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"'))));
    out.commas =
        static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(','))));
    // A byte is below a blank when the larger of it and 0x1F is 0x1F.
    const __m128i controlTop = _mm_set1_epi8(0x1F);
    out.control =
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(bytes, controlTop), controlTop)) != 0;
    return out;
}
#endif

inline ChunkStructure chunkStructure(const char* p, size_t valid) {
#if defined(TK73PGM_SSE2)
    return chunkStructureBySse2(p, valid);
#else
    return chunkStructureByWords(p, valid);
#endif
}

}  // namespace tk73pgm
