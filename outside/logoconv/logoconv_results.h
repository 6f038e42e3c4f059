#pragma once
// The results of LogoConvMultiFile. The logo editor tells the user by them, so it includes this
// header.

namespace logoconv {

inline constexpr int kConverted = 0;
inline constexpr int kSourceMissing = -11;     // no bitmap, or one that is not there
inline constexpr int kBitmapUnreadable = -12;  // not a bitmap of a kind we read
inline constexpr int kSettingsUnusable = -13;  // the ".HAD" file is missing or incomplete
inline constexpr int kPatternUnusable = -14;   // the logo's text program file is not usable
inline constexpr int kOutputNotWritten = -15;  // the logo program file cannot be written
inline constexpr int kTooManyBitmaps = -16;    // more bitmaps than the file has logos

}  // namespace logoconv
