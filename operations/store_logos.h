#pragma once
// The graphic logos of a store's register as bitmaps: extracted from the logo program files after
// an archive was opened, into the store's logo folder, and copied from there to the card's logo
// folder when the settings are saved to the card.

#include <string>

namespace tk73ops {

// The store's logo folder: the database folder, "S%03d", "M001", "LOGO".
std::string StoreLogoFolder(int storeNo);

// Makes the store's logo folder and writes a bitmap "FILE%04d.%03d" into it for every logo file
// of the register's definition from its second entry on (the first is the receipt header logo,
// which only the logo editor handles), with the width and height that "G_LOGO" gives it. Stops
// at the first failure and answers its message ("Failed to create a new directory", "Machine ini
// file is corrupted.", "Failed to load GLCONV.dll.", "A image source file is not found.",
// "Failed to convert graphic logo."), or an empty text when the converter has already told the
// user why it failed; null when every logo was extracted.
const char* ExtractStoreLogos(int storeNo);

// Copies every file of the store's logo folder into the card's logo folder (made when missing).
// False when the store has no logo folder or a file cannot be copied.
bool CopyStoreLogosToCard(int storeNo, const std::string& cardLogoFolder);

}  // namespace tk73ops
