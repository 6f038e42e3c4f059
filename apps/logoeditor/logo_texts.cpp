#include "apps/logoeditor/logo_texts.h"

#include <iterator>

#include "apps/editors/framework/editor_texts.h"

namespace tk73logo {

namespace {

constexpr const char* kBuiltIn[] = {
    "Graphic Logo/POP",
    "Graphic logo type",
    "Logo size",
    "Graphic Logo %d",
    "%d x %d dot",
    "Edit...",
    "Save to SD card",
    "Graphic Logo Editing",
    "Bitmap file",
    "Browse...",
    "Picture: %d x %d",
    "Print preview",
    "Black and white",
    "Threshold",
    "Dithering",
    "Print image",
    "Print image type",
    "Logo",
    "POP",
    "Print image data file name",
    "Logo1 built-in printer",
    "Logo2 built-in printer",
    " 58mm -> ",
    " 80mm -> ",
    "Please choose a BMP file.",
    "Failed to read the bitmap file.",
    "Failed to create a work file.(%d)",
    "Failed to set the list control.",
    "A image source file is not found.",
    "Failed to convert Graphic logo.",
    "Failed to copy a bmp file.",
    "Failed to Open SD.",
    "Succeeded in save.",
    "Do you want to overwrite graphic logo?",
    "Machine ini file is corrupted.",
    "Failed to load %s.",
    "Official receipt company image",
    "Official receipt address image",
    "Clear",
    "The logo as it is now",
};
static_assert(std::size(kBuiltIn) ==
              static_cast<unsigned>(LogoText::CurrentLogo) - kLogoFirstText + 1);

}  // namespace

std::string logoText(LogoText id) {
    const auto number = static_cast<unsigned>(id);
    return tk73editor::resourceText(number, kBuiltIn[number - kLogoFirstText]);
}

std::string logoText(LogoText id, int first, int second) {
    return tk73editor::fillNumbers(logoText(id), first, second);
}

}  // namespace tk73logo
