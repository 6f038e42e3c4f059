#pragma once
// The print image settings of one logo file as the editing page shows them, kept in the model's
// ".HAD" file: how a colour or grey picture becomes black and white, and how the register prints
// the image. The conversion library reads the same file (outside/logoconv/README.md).

#include <string>

#include "apps/logoeditor/logo_entries.h"

namespace tk73logo {

// The official receipt prints a company image and an address image.
enum class ReceiptImage { Company, Address };
inline constexpr ReceiptImage kReceiptImages[] = {ReceiptImage::Company, ReceiptImage::Address};

struct PrintImage {
    bool dither = false;
    int threshold = 128;  // 1 to 255: a level below it prints black
    int type = 0;         // 0 logo, 1 POP
    std::string dataFile;
    bool logo1BuiltIn = true;
    bool logo2BuiltIn = false;
    int paper = 58;  // mm: 58 or 80
    // The official receipt's company and address images: the chosen bitmap files, empty for
    // none. Each is converted as the logos of the file are (logo_work.h).
    std::string companyImage;
    std::string addressImage;

    std::string& receiptImage(ReceiptImage which) {
        return which == ReceiptImage::Company ? companyImage : addressImage;
    }
    const std::string& receiptImage(ReceiptImage which) const {
        return which == ReceiptImage::Company ? companyImage : addressImage;
    }

    // The settings of the file; those it lacks keep their defaults.
    static PrintImage read(const std::string& settingsFile);
    // Writes them with the logo file's size; false when the file cannot be written.
    bool write(const std::string& settingsFile, const LogoEntry& entry) const;
};

}  // namespace tk73logo
