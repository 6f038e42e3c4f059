#pragma once
// Whether the quotes and commas of a piece of a record line stand where a learned line has them,
// sixteen bytes at a time: the check behind LineLayout, run for every record line that an access
// touches.

#include <cstddef>
#include <cstdint>

#include "programfiles/pgm_record_lines.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TK73PGM_SSE2 1
#endif

namespace tk73pgm {

// Sixteen bytes of a learned line: 0xFF where it has a quote, where it has a comma and where the
// byte counts at all (the bytes after the piece that is checked do not), 0 elsewhere.
struct ChunkExpectation {
    alignas(16) unsigned char quotes[16] = {};
    alignas(16) unsigned char commas[16] = {};
    alignas(16) unsigned char counted[16] = {};
};

// The high bit of every byte of the word that is a control character (below a blank: NUL, CR,
// LF, tab...), and nothing else.
inline uint64_t controlBytes(uint64_t word) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    // A byte's high bit is set after adding 0x60 to its low seven bits when those reach 0x20.
    return ~(((word & kLow7) + kEveryByte * 0x60) | word) & kHighBits;
}

// Whether the chunks at p (16 bytes each) have, among their counted bytes, quotes and commas
// exactly where the expectations put them and no control byte. p lies in a FileBuffer, whose
// padding makes every chunk readable. Eight bytes at a time, on any processor.
inline bool chunksMatchByWords(const char* p, const ChunkExpectation* expected, size_t chunks) {
    uint64_t differences = 0;
    for (size_t i = 0; i < chunks; ++i, p += 16) {
        for (size_t half = 0; half < 16; half += 8) {
            const uint64_t word = loadWord(p + half);
            const uint64_t quotes =
                loadWord(reinterpret_cast<const char*>(expected[i].quotes) + half);
            const uint64_t commas =
                loadWord(reinterpret_cast<const char*>(expected[i].commas) + half);
            const uint64_t counted =
                loadWord(reinterpret_cast<const char*>(expected[i].counted) + half);
            differences |= ((bytesEqual(word, '"') ^ quotes) | (bytesEqual(word, ',') ^ commas) |
                            controlBytes(word)) &
                           counted & kHighBits;
        }
    }
    return differences == 0;
}

#if defined(TK73PGM_SSE2)
// The same, sixteen bytes at once, with one test at the end: about twice as fast over a file.
inline bool chunksMatchBySse2(const char* p, const ChunkExpectation* expected, size_t chunks) {
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i comma = _mm_set1_epi8(',');
    // A byte is below a blank when the larger of it and 0x1F is 0x1F.
    const __m128i controlTop = _mm_set1_epi8(0x1F);
    __m128i differences = _mm_setzero_si128();
    for (size_t i = 0; i < chunks; ++i, p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto* wanted = &expected[i];
        const __m128i quotes =
            _mm_xor_si128(_mm_cmpeq_epi8(bytes, quote),
                          _mm_load_si128(reinterpret_cast<const __m128i*>(wanted->quotes)));
        const __m128i commas =
            _mm_xor_si128(_mm_cmpeq_epi8(bytes, comma),
                          _mm_load_si128(reinterpret_cast<const __m128i*>(wanted->commas)));
        const __m128i control = _mm_cmpeq_epi8(_mm_max_epu8(bytes, controlTop), controlTop);
        differences = _mm_or_si128(
            differences,
            _mm_and_si128(_mm_or_si128(_mm_or_si128(quotes, commas), control),
                          _mm_load_si128(reinterpret_cast<const __m128i*>(wanted->counted))));
    }
    return _mm_movemask_epi8(differences) == 0;
}
#endif

inline bool chunksMatch(const char* p, const ChunkExpectation* expected, size_t chunks) {
#if defined(TK73PGM_SSE2)
    return chunksMatchBySse2(p, expected, chunks);
#else
    return chunksMatchByWords(p, expected, chunks);
#endif
}

}  // namespace tk73pgm
