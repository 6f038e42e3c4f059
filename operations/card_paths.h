#pragma once
// Where a register's settings lie on an SD card, as the register model's definition says: the
// archive in "SDCARD" ("FOLDER_AUTOPGM", beginning with a separator, and "AUTOPGM_0092P") and the
// logo folder in "SDCARD_LOGO" ("FOLDER_LOGO"), each below the card's folder.

#include <string>

namespace tk73ops {

// The archive's path on the card for the register model's definition in the store (store 0: the
// shipped definition); empty when the definition lacks either value.
std::string CardArchivePath(const std::string& card, const std::string& indentName, int storeNo);
// The card's logo folder, from the same definition.
std::string CardLogoFolder(const std::string& card, const std::string& indentName, int storeNo);

}  // namespace tk73ops
