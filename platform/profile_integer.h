#pragma once
// The integer a profile value stands for, read the way the Windows profile functions read it:
// blanks skipped, one sign, an optional base prefix ("0x" hexadecimal, "0o" octal, "0b" binary),
// then the digits up to the first byte that is not one ("55zz" is 55, "abc" is 0). The value
// wraps modulo 2^32 and a minus sign negates it, so "-1" gives 0xFFFFFFFF.

#include <cstdint>
#include <string_view>

namespace tk73 {

uint32_t profileInteger(std::string_view text);

}  // namespace tk73
