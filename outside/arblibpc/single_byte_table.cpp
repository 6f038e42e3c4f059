#include "outside/arblibpc/single_byte_table.h"

#include <iconv.h>

namespace arblib {

SingleByteTable::SingleByteTable(const char* codePage) {
    const iconv_t convert = iconv_open("UTF-32LE", codePage);
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        return;
    }
    for (int byte = 1; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        unsigned char out[8] = {};
        char* inAt = &in;
        size_t inLeft = 1;
        char* outAt = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        iconv(convert, nullptr, nullptr, nullptr, nullptr);
        if (iconv(convert, &inAt, &inLeft, &outAt, &outLeft) == static_cast<size_t>(-1) ||
            sizeof out - outLeft != 4) {
            continue;
        }
        const char32_t c =
            out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
        decode_[byte] = c;
        encode_.emplace(c, static_cast<unsigned char>(byte));
    }
    iconv_close(convert);
}

int SingleByteTable::encode(char32_t c) const {
    if (c == 0) {
        return 0;
    }
    const auto found = encode_.find(c);
    return found == encode_.end() ? -1 : found->second;
}

const SingleByteTable& windows1256() {
    static const SingleByteTable table("WINDOWS-1256");
    return table;
}

const SingleByteTable& ibm864() {
    static const SingleByteTable table("IBM864");
    return table;
}

}  // namespace arblib
