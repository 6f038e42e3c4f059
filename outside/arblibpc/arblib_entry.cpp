// The three entries of the Arabic code page library. Texts end with a NUL; outputs hold at most
// kMaxOutput bytes and their NUL. Each entry answers 0 on success.

#include <string>

#include "outside/arblibpc/arabic_forms.h"
#include "outside/arblibpc/single_byte_table.h"
#include "platform/api.h"

namespace {

constexpr size_t kMaxOutput = 511;
// IBM864 keeps the Arabic percent sign where ASCII has "%"; each stands for the other.
constexpr char32_t kPercent = U'%';
constexpr char32_t kArabicPercent = 0x066A;

std::u32string decode(const char* text, const arblib::SingleByteTable& table) {
    std::u32string chars;
    for (const char* at = text; *at != '\0'; ++at) {
        const char32_t c = table.decode(static_cast<unsigned char>(*at));
        chars += c != 0 ? c : U'?';
    }
    return chars;
}

std::string encode(const std::u32string& chars, const arblib::SingleByteTable& table) {
    std::string bytes;
    for (char32_t c : chars) {
        std::vector<char32_t> candidates = arblib::substitutesOf(c);
        candidates.push_back(c == kPercent ? kArabicPercent : c == kArabicPercent ? kPercent : c);
        int byte = -1;
        for (size_t i = 0; i < candidates.size() && byte < 0; ++i) {
            byte = table.encode(candidates[i]);
        }
        bytes += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    return bytes;
}

int put(const std::string& bytes, char* out, int* outLength) {
    const size_t length = std::min(bytes.size(), kMaxOutput);
    bytes.copy(out, length);
    out[length] = '\0';
    if (outLength != nullptr) {
        *outLength = static_cast<int>(length);
    }
    return 0;
}

}  // namespace

TK73_EXPORT int TK73_API Arblib_Win1256_to_Ibm864(const char* in, char* out, int* outLength) {
    if (in == nullptr || out == nullptr) {
        return 1;
    }
    return put(encode(decode(in, arblib::windows1256()), arblib::ibm864()), out, outLength);
}

TK73_EXPORT int TK73_API Arblib_Ibm864_to_Win1256(const char* in, char* out, int* outLength) {
    if (in == nullptr || out == nullptr) {
        return 1;
    }
    const std::u32string letters = arblib::unshapeArabic(decode(in, arblib::ibm864()));
    return put(encode(letters, arblib::windows1256()), out, outLength);
}

// Mode 1 shapes the IBM864 text: every letter takes the form its neighbours give it, or the
// nearest form IBM864 has. Shaping shaped text changes nothing.
TK73_EXPORT int TK73_API Arblib_Format_Ibm864(const char* in, char* out, int mode) {
    if (in == nullptr || out == nullptr || mode != 1) {
        return 1;
    }
    const std::u32string letters = arblib::unshapeArabic(decode(in, arblib::ibm864()));
    return put(encode(arblib::shapeArabic(letters), arblib::ibm864()), out, nullptr);
}
