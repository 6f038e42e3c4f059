#pragma once
// Where the logos of the active store's register live: the store's definition file and
// maintenance folder (the logo text program files "FILE%03dP.TXT"), the store's logo folder of
// bitmaps (which go to the card with the settings), the model's install folder with its ".HAD"
// print settings, and the machine ID the converter requires of a logo program file.

#include <string>

#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/print_image.h"

namespace tk73logo {

struct LogoPlace {
    std::string definitionFile;
    std::string mainteFolder;
    std::string storeLogoFolder;
    std::string installFolder;
    std::string identName;
    int storeNo = 0;
    int machineId = 0;

    // The active store's register; storeNo 0 when there is none.
    static LogoPlace activeStore(const std::string& definitionFile, const std::string& mainte);

    // The logo's text program file "FILE%03dP.TXT".
    std::string textFile(const LogoEntry& entry) const;
    // The print settings "<model>_<file>.HAD" in the model's install folder.
    std::string settingsFile(const LogoEntry& entry) const;
    // The bitmap's name in the store's and the card's logo folder: "FILE%04d.%03d".
    static std::string bitmapName(const LogoEntry& entry);
    // The name of one of the logo file's official receipt images there: "CMPY%04d.BMP" for the
    // company image, "ADDR%04d.BMP" for the address image, by the logo file number.
    static std::string receiptImageName(const LogoEntry& entry, ReceiptImage which);
};

}  // namespace tk73logo
