#pragma once
// The sections and keys of a ".HAD" print settings file that the conversion reads. The logo
// editor writes them with the same names (it includes this header).

namespace logoconv {

inline constexpr const char* kLogoSection = "LOGO";
inline constexpr const char* kWidthKey = "WIDTH";
inline constexpr const char* kHeightKey = "HEIGHT";
inline constexpr const char* kLogosKey = "LOGOS";

inline constexpr const char* kImageSection = "IMAGE";
inline constexpr const char* kRuleKey = "RULE";
inline constexpr const char* kThresholdRule = "THRESHOLD";
inline constexpr const char* kDitherRule = "DITHER";
inline constexpr const char* kThresholdKey = "THRESHOLD";

}  // namespace logoconv
