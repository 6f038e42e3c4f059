#pragma once
// Saving one logo's bitmap to the SD card: the user picks the card, the bitmap goes into the
// card's logo folder that the model's definition names, as "FILE%04d.%03d", made when missing.
// An existing bitmap is replaced only when the user agrees.

#include <string>

#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/logo_place.h"

namespace tk73logo {

// Tells the user how it went, under the caption; nothing when the card dialog is cancelled.
void saveLogoToCard(const LogoPlace& place, const LogoEntry& entry, const std::string& bitmap,
                    const std::string& caption);

}  // namespace tk73logo
