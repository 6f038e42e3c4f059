#pragma once
// Whether the quotes and commas of a piece of a record line stand where a learned line has them,
// 32 bytes at a time: the check behind LineLayout, run for every record line that an access
// touches.

#include <cstddef>
#include <cstdint>

#include "programfiles/pgm_processor.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

// Thirty-two bytes of a learned line: 0xFF where it has a quote, where it has a comma and where
// the byte counts at all (the bytes after the piece that is checked do not), 0 elsewhere.
struct BlockExpectation {
    alignas(32) unsigned char quotes[32] = {};
    alignas(32) unsigned char commas[32] = {};
    alignas(32) unsigned char counted[32] = {};
};

// The high bit of every byte of the word that is a control character (below a blank: NUL, CR,
// LF, tab...), and nothing else.
inline uint64_t controlBytes(uint64_t word) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    // A byte's high bit is set after adding 0x60 to its low seven bits when those reach 0x20.
    return ~(((word & kLow7) + kEveryByte * 0x60) | word) & kHighBits;
}

// Whether the blocks at p (32 bytes each) have, among their counted bytes, quotes and commas
// exactly where the expectations put them and no control byte. p lies in a FileBuffer, whose
// padding makes every block readable. Eight bytes at a time, on any processor.
[[nodiscard]] inline bool blocksMatchByWords(const char* p, const BlockExpectation* expected,
                                             size_t blocks) {
    uint64_t differences = 0;
    for (size_t i = 0; i < blocks; ++i, p += 32) {
        const auto* quotes = reinterpret_cast<const char*>(expected[i].quotes);
        const auto* commas = reinterpret_cast<const char*>(expected[i].commas);
        const auto* counted = reinterpret_cast<const char*>(expected[i].counted);
        for (size_t at = 0; at < 32; at += 8) {
            const uint64_t word = loadWord(p + at);
            differences |= ((bytesEqual(word, '"') ^ loadWord(quotes + at)) |
                            (bytesEqual(word, ',') ^ loadWord(commas + at)) | controlBytes(word)) &
                           loadWord(counted + at) & kHighBits;
        }
    }
    return differences == 0;
}

#if defined(TK73PGM_SSE2)
// The same, sixteen bytes at once, with one test at the end.
[[nodiscard]] inline bool blocksMatchBySse2(const char* p, const BlockExpectation* expected,
                                            size_t blocks) {
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i comma = _mm_set1_epi8(',');
    // A byte is below a blank when the larger of it and 0x1F is 0x1F.
    const __m128i controlTop = _mm_set1_epi8(0x1F);
    const auto load = [](const unsigned char* bytes) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes));
    };
    __m128i differences = _mm_setzero_si128();
    for (size_t i = 0; i < blocks; ++i) {
        for (size_t at = 0; at < 32; at += 16, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i quotes =
                _mm_xor_si128(_mm_cmpeq_epi8(bytes, quote), load(expected[i].quotes + at));
            const __m128i commas =
                _mm_xor_si128(_mm_cmpeq_epi8(bytes, comma), load(expected[i].commas + at));
            const __m128i control = _mm_cmpeq_epi8(_mm_max_epu8(bytes, controlTop), controlTop);
            differences = _mm_or_si128(
                differences, _mm_and_si128(_mm_or_si128(_mm_or_si128(quotes, commas), control),
                                           load(expected[i].counted + at)));
        }
    }
    return _mm_movemask_epi8(differences) == 0;
}
#endif

#if defined(TK73PGM_AVX2)
// The same, 32 bytes at once, on processors that have AVX2 (hasAvx2).
__attribute__((target("avx2"))) inline bool blocksMatchByAvx2(const char* p,
                                                              const BlockExpectation* expected,
                                                              size_t blocks) {
    const __m256i quote = _mm256_set1_epi8('"');
    const __m256i comma = _mm256_set1_epi8(',');
    // A byte is below a blank when the larger of it and 0x1F is 0x1F.
    const __m256i controlTop = _mm256_set1_epi8(0x1F);
    __m256i differences = _mm256_setzero_si256();
    for (size_t i = 0; i < blocks; ++i, p += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i quotes = _mm256_xor_si256(
            _mm256_cmpeq_epi8(bytes, quote),
            _mm256_load_si256(reinterpret_cast<const __m256i*>(expected[i].quotes)));
        const __m256i commas = _mm256_xor_si256(
            _mm256_cmpeq_epi8(bytes, comma),
            _mm256_load_si256(reinterpret_cast<const __m256i*>(expected[i].commas)));
        const __m256i control = _mm256_cmpeq_epi8(_mm256_max_epu8(bytes, controlTop), controlTop);
        differences = _mm256_or_si256(
            differences,
            _mm256_and_si256(
                _mm256_or_si256(_mm256_or_si256(quotes, commas), control),
                _mm256_load_si256(reinterpret_cast<const __m256i*>(expected[i].counted))));
    }
    return _mm256_testz_si256(differences, differences) != 0;
}

#endif

// blocksMatch by the widest way the processor has (wide: hasAvx2, asked once by the caller).
[[nodiscard]] inline bool blocksMatch(const char* p, const BlockExpectation* expected,
                                      size_t blocks, bool wide) {
#if defined(TK73PGM_AVX2)
    if (wide) {
        return blocksMatchByAvx2(p, expected, blocks);
    }
#endif
    static_cast<void>(wide);
#if defined(TK73PGM_SSE2)
    return blocksMatchBySse2(p, expected, blocks);
#else
    return blocksMatchByWords(p, expected, blocks);
#endif
}

}  // namespace tk73pgm
