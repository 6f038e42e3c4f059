#include "outside/logoconv/print_settings.h"

#include <string_view>

#include "outside/logoconv/had_keys.h"
#include "platform/ini_profile.h"
#include "platform/whole_file.h"

namespace logoconv {

namespace {

// The register's printers are at most this wide; a logo is never taller than this.
constexpr int kMaxDots = 4096;

int number(const char* section, const char* key, int fallback, const std::string& path) {
    return static_cast<int>(tk73_GetPrivateProfileIntA(section, key, fallback, path.c_str()));
}

}  // namespace

std::optional<PrintSettings> readPrintSettings(const std::string& path) {
    if (!tk73::pathExists(path)) {
        return std::nullopt;
    }
    PrintSettings settings;
    settings.width = number(kLogoSection, kWidthKey, 0, path);
    settings.height = number(kLogoSection, kHeightKey, 0, path);
    settings.logos = number(kLogoSection, kLogosKey, 1, path);
    if (settings.width <= 0 || settings.width > kMaxDots || settings.width % 8 != 0 ||
        settings.height <= 0 || settings.height > kMaxDots || settings.logos <= 0 ||
        settings.logos > kMaxDots / settings.height) {
        return std::nullopt;
    }
    char rule[32] = {};
    tk73_GetPrivateProfileStringA(kImageSection, kRuleKey, kThresholdRule, rule, sizeof rule,
                                  path.c_str());
    settings.dots.rule =
        std::string_view(rule) == kDitherRule ? DotRule::Dither : DotRule::Threshold;
    const int threshold = number(kImageSection, kThresholdKey, 128, path);
    settings.dots.threshold = threshold >= 1 && threshold <= 255 ? threshold : 128;
    return settings;
}

}  // namespace logoconv
