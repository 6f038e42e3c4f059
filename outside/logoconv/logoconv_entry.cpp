// The one entry of the logo conversion library, called with the C calling convention.

#include <string>

#include "outside/glconv/logo_binary.h"
#include "outside/logoconv/logo_dots.h"
#include "outside/logoconv/logo_text.h"
#include "outside/logoconv/logoconv_results.h"
#include "outside/logoconv/print_settings.h"
#include "outside/logoconv/windows_bitmap.h"
#include "platform/api.h"
#include "platform/whole_file.h"

using namespace logoconv;

// bitmaps: count paths, the file's logos in order (logos without a bitmap stay white).
// output: the logo program file to write. settings: the ".HAD" file of the logo file.
// pattern: the logo's text program file, whose heading lines the result keeps. machineId: the
// model's machine ID, which the converter requires of the file.
TK73_EXPORT int LogoConvMultiFile(const char* const* bitmaps, int count, const char* output,
                                  const char* settings, const char* pattern, int machineId) {
    if (bitmaps == nullptr || count <= 0) {
        return kSourceMissing;
    }
    const std::optional<PrintSettings> print =
        settings != nullptr ? readPrintSettings(settings) : std::nullopt;
    if (!print) {
        return kSettingsUnusable;
    }
    if (count > print->logos) {
        return kTooManyBitmaps;
    }
    std::string rows;
    for (int i = 0; i < count; ++i) {
        if (bitmaps[i] == nullptr || !tk73::pathExists(bitmaps[i])) {
            return kSourceMissing;
        }
        const std::optional<std::string> bytes = tk73::readWholeFile(bitmaps[i]);
        const std::optional<GreyImage> picture = bytes ? readWindowsBitmap(*bytes) : std::nullopt;
        if (!picture) {
            return kBitmapUnreadable;
        }
        rows += logoRows(*picture, print->width, print->height, print->dots);
    }
    const int rowBytes = print->width / 8;
    rows.append(static_cast<size_t>(rowBytes) * print->height * (print->logos - count), '\0');
    const std::optional<std::string> heading =
        pattern != nullptr ? tk73::readWholeFile(pattern) : std::nullopt;
    const std::optional<std::string> text =
        heading ? logoText(*heading, rows, rowBytes) : std::nullopt;
    std::string binary;
    if (!text || glconv::encodeLogoBinary(*text, machineId, binary) != 0) {
        return kPatternUnusable;
    }
    return output != nullptr && tk73::replaceWholeFile(output, binary) ? kConverted
                                                                       : kOutputNotWritten;
}
