#pragma once
// The print settings of one logo file, kept by the logo editor in the model's ".HAD" file and
// read here for each conversion. The keys are in this folder's README.

#include <optional>
#include <string>

#include "outside/logoconv/logo_dots.h"

namespace logoconv {

struct PrintSettings {
    int width = 0;   // dots, a multiple of 8
    int height = 0;  // dots of one logo
    int logos = 1;   // logos of the file, one under the other
    DotSettings dots;
};

// Nothing when the file is missing or its width or height is unusable.
std::optional<PrintSettings> readPrintSettings(const std::string& path);

}  // namespace logoconv
