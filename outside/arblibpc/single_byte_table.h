#pragma once
// A single-byte code page as two tables, built once through iconv: byte to character and
// character to byte.

#include <map>
#include <string>

namespace arblib {

class SingleByteTable {
  public:
    explicit SingleByteTable(const char* codePage);

    // The character of a byte; 0 for a byte the code page does not define (0 itself is NUL).
    char32_t decode(unsigned char byte) const { return decode_[byte]; }
    // The byte of a character; -1 when the code page has none.
    [[nodiscard]] int encode(char32_t c) const;

  private:
    char32_t decode_[256] = {};
    std::map<char32_t, unsigned char> encode_;
};

const SingleByteTable& windows1256();
const SingleByteTable& ibm864();

}  // namespace arblib
