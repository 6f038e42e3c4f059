#pragma once
// The colours of the main window's pictures, in one place so that the buttons, the headers and
// the background agree: a cool slate ground, deep-blue caption buttons, a coral exit, a violet
// help, white file cards with coloured symbols, and one amber for the keyboard focus.

#include <QColor>

namespace tk73hub::palette {

inline const QColor kGroundTop{0xF1, 0xF4, 0xF9};
inline const QColor kGroundBottom{0xDF, 0xE6, 0xF0};
inline const QColor kInk{0x1E, 0x29, 0x3B};
inline const QColor kMutedInk{0x8E, 0x98, 0xA8};
inline const QColor kFocus{0xF5, 0xB1, 0x2E};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};

// Caption buttons: BTNDARK, BTNPINK, BTNPURPLE (top and bottom of the face).
inline const QColor kDarkTop{0x36, 0x55, 0x86};
inline const QColor kDarkBottom{0x24, 0x3B, 0x62};
inline const QColor kPinkTop{0xEE, 0x6A, 0x80};
inline const QColor kPinkBottom{0xCF, 0x45, 0x62};
inline const QColor kPurpleTop{0x86, 0x67, 0xDD};
inline const QColor kPurpleBottom{0x63, 0x46, 0xBC};
// Every button face when disabled.
inline const QColor kDisabledFace{0xD3, 0xD9, 0xE1};
inline const QColor kDisabledEdge{0xBC, 0xC4, 0xCF};

// File cards.
inline const QColor kCard{0xFF, 0xFF, 0xFF};
inline const QColor kCardPressed{0xDC, 0xE6, 0xF3};
inline const QColor kCardEdge{0xC3, 0xCE, 0xDC};
inline const QColor kCardDisabled{0xEE, 0xF1, 0xF5};
inline const QColor kOpenSymbol{0xE9, 0x9A, 0x1C};
inline const QColor kNewSymbol{0x12, 0x9E, 0x8A};
inline const QColor kSaveSymbol{0x25, 0x63, 0xEB};

// Group headers and the title banner.
inline const QColor kHeaderLeft{0x1F, 0x4E, 0x8C};
inline const QColor kHeaderRight{0x2B, 0x8C, 0xA8};
inline const QColor kBannerLeft{0x1B, 0x2E, 0x4F};
inline const QColor kBannerRight{0x2C, 0x6E, 0x9E};

}  // namespace tk73hub::palette
