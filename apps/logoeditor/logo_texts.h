#pragma once
// The texts of the graphic logo editor, by string id; the language library answers them in its
// language when it holds them. The editor's block of ids follows the setting editors' blocks
// (apps/editors/framework/string_ids.h), a thousand ids above the last of them.

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73logo {

inline constexpr unsigned kLogoFirstText = tk73editor::kTaxFirstText + 1000;

enum class LogoText : unsigned {
    ListTitle = kLogoFirstText,  // "Graphic Logo/POP"
    TypeColumn,                  // "Graphic logo type"
    SizeColumn,                  // "Logo size"
    DefaultName,                 // "Graphic Logo %d"
    SizeText,                    // "%d x %d dot"
    EditButton,                  // "Edit..."
    SaveToCardButton,            // "Save to SD card"
    EditingTitle,                // "Graphic Logo Editing"
    BitmapFile,                  // "Bitmap file"
    BrowseButton,                // "Browse..."
    PictureSize,                 // "Picture: %d x %d"
    Preview,                     // "Print preview"
    BlackAndWhite,               // "Black and white"
    Threshold,                   // "Threshold"
    Dithering,                   // "Dithering"
    PrintImage,                  // "Print image"
    PrintImageType,              // "Print image type"
    PrintImageLogo,              // "Logo"
    PrintImagePop,               // "POP"
    PrintImageDataFile,          // "Print image data file name"
    Logo1BuiltIn,                // "Logo1 built-in printer"
    Logo2BuiltIn,                // "Logo2 built-in printer"
    Paper58,                     // " 58mm -> "
    Paper80,                     // " 80mm -> "
    ChooseBmp,                   // "Please choose a BMP file."
    BitmapUnreadable,            // "Failed to read the bitmap file."
    WorkFileFailed,              // "Failed to create a work file.(%d)"
    ListFailed,                  // "Failed to set the list control."
    SourceMissing,               // "A image source file is not found."
    ConversionFailed,            // "Failed to convert Graphic logo."
    BmpCopyFailed,               // "Failed to copy a bmp file."
    CardFailed,                  // "Failed to Open SD."
    SavedToCard,                 // "Succeeded in save."
    ConfirmOverwrite,            // "Do you want to overwrite graphic logo?"
    IniCorrupted,                // "Machine ini file is corrupted."
    LibraryMissing,              // "Failed to load %s."  (the library's name)
    CompanyImage,                // "Official receipt company image"
    AddressImage,                // "Official receipt address image"
    ClearButton,                 // "Clear"
    CurrentLogo                  // "The logo as it is now"
};

std::string logoText(LogoText id);
// A text with the numbers filled into its "%d" places, in order.
std::string logoText(LogoText id, int first, int second = 0);

}  // namespace tk73logo
