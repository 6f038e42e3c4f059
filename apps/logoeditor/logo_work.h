#pragma once
// The conversions of the logo editor. Each works on files of its own in the temporary folder
// and removes them again, however it ends. A failure answers the message for the user; an empty
// message means the converter has told the user already.

#include <optional>
#include <string>
#include <vector>

#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/logo_library.h"
#include "apps/logoeditor/logo_place.h"
#include "apps/logoeditor/print_image.h"

namespace tk73logo {

// The logo as the register will print the entry's chosen bitmap under the settings: the bitmap
// file (1 bit per pixel, width x height) of a trial conversion by the library itself.
std::optional<std::string> previewLogo(const LogoLibrary& library, const LogoPlace& place,
                                       const LogoEntry& entry, const PrintImage& image,
                                       std::string* failure);

// Converts the chosen bitmaps of one logo file (entries of that file, in their order) into its
// text program file in the maintenance folder: the settings go to the model's ".HAD" file, the
// library makes the logo program file, the converter turns it into the text program file. The
// store's bitmap of the logo file follows, and so do the official receipt images of the
// settings: each chosen one converted as the logo is (its dot size, the settings' black and
// white) into the store's logo folder, one not chosen removed there. False with the failure's
// message otherwise; a failure before the converter's step leaves the text program file as it
// was.
bool convertLogoFile(const LogoLibrary& library, const LogoPlace& place,
                     const std::vector<const LogoEntry*>& chosen, const PrintImage& image,
                     std::string* failure);

// The bitmap of the entry's logo as the maintenance folder holds it, made by the converter.
std::optional<std::string> storedLogo(const LogoPlace& place, const LogoEntry& entry,
                                      std::string* failure);

}  // namespace tk73logo
