#pragma once
// The store the program file tools work on when the caller names none: the single working
// store 1 in the register tool's default and stand-alone layouts, otherwise the desktop's
// current store ("CURRENTSTORE"), which the professional layout and the Vek tool select.

namespace tk73pgm {

// The store number; 0 when the desktop names no number.
[[nodiscard]] int currentStoreNo();

}  // namespace tk73pgm
