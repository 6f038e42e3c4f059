#pragma once
// The button bitmaps of the main window, drawn when asked for, so the program carries no image
// files. A bitmap is named as a resource: a base ("BTNFILEOPEN", "BTNDARK", ...) and a state
// suffix: 'N' normal, 'S' pressed, 'F' focused, 'D' disabled. Names compare without regard to
// letter case.
//
// File buttons ("BTNFILEOPEN", "BTNFILENEW", "BTNFILESAVE", "BTNFILESAVEAS") are white cards
// with a symbol and their label; the caption faces ("BTNDARK", "BTNPINK", "BTNPURPLE") carry no
// text, the button draws its caption over them in captionColor().

#include <QColor>
#include <QPixmap>
#include <QSize>

#include <string_view>

namespace tk73hub {

// The logical size of the base's bitmaps; an invalid size for an unknown base.
QSize bitmapSize(std::string_view base);

// The bitmap at the device pixel ratio; a null pixmap for an unknown base or suffix.
QPixmap buttonBitmap(std::string_view base, char suffix, qreal devicePixelRatio);

// The colour of a caption drawn over a caption face in the state of the suffix.
QColor captionColor(char suffix);

}  // namespace tk73hub
