#pragma once
// Where the logos of the active store's register live: the store's definition file and
// maintenance folder (the logo text program files "FILE%03dP.TXT"), the store's logo folder of
// bitmaps (which go to the card with the settings), the ".HAD" print settings (the store's own
// beside its definition copy, the shipped ones in the model's install folder), and the machine
// ID the converter requires of a logo program file.

#include <string>

#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/print_image.h"

namespace tk73logo {

struct LogoPlace {
    std::string definitionFile;
    std::string mainteFolder;
    std::string storeLogoFolder;
    std::string installFolder;
    std::string indentName;
    int storeNo = 0;
    int machineId = 0;

    // The active store's register; storeNo 0 when there is none.
    static LogoPlace activeStore(const std::string& definitionFile, const std::string& mainte);

    // The logo's text program file "FILE%03dP.TXT".
    std::string textFile(const LogoEntry& entry) const;
    // The store's print settings "<model>_<file>.HAD", beside its definition copy: the
    // installation's folder is no place for what a user changes.
    std::string settingsFile(const LogoEntry& entry) const;
    // The print settings shipped in the model's install folder, by the same name.
    std::string shippedSettingsFile(const LogoEntry& entry) const;
    // The settings in force: the store's when it has them, else the shipped ones.
    std::string settingsInForce(const LogoEntry& entry) const;
    // Gives the store its own settings to change, as a copy of the shipped ones when it has
    // none yet; false when that copy could not be made.
    bool takeOwnSettings(const LogoEntry& entry) const;
    // The bitmap's name in the store's and the card's logo folder: "FILE%04d.%03d".
    static std::string bitmapName(const LogoEntry& entry);
    // The name of one of the logo file's official receipt images there: "CMPY%04d.BMP" for the
    // company image, "ADDR%04d.BMP" for the address image, by the logo file number.
    static std::string receiptImageName(const LogoEntry& entry, ReceiptImage which);
};

}  // namespace tk73logo
