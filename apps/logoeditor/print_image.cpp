#include "apps/logoeditor/print_image.h"

#include "outside/logoconv/had_keys.h"
#include "platform/api.h"
#include "platform/ini_profile.h"

namespace tk73logo {

namespace {

using namespace logoconv;

constexpr const char* kPrintSection = "PRINT";
constexpr const char* kTypeKey = "TYPE";
constexpr const char* kDataFileKey = "DATA_FILE";
constexpr const char* kLogo1Key = "LOGO1_BUILTIN";
constexpr const char* kLogo2Key = "LOGO2_BUILTIN";
constexpr const char* kPaperKey = "PAPER";

const char* receiptImageKey(ReceiptImage which) {
    return which == ReceiptImage::Company ? "COMPANY_IMAGE" : "ADDRESS_IMAGE";
}

int number(const char* section, const char* key, int fallback, const std::string& file) {
    return static_cast<int>(tk73_GetPrivateProfileIntA(section, key, fallback, file.c_str()));
}

std::string text(const char* section, const char* key, const std::string& file) {
    char value[TK73_MAX_PATH] = {};
    tk73_GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
    return value;
}

bool put(const char* section, const char* key, const std::string& value, const std::string& file) {
    return tk73_WritePrivateProfileStringA(section, key, value.c_str(), file.c_str()) != 0;
}

}  // namespace

PrintImage PrintImage::read(const std::string& settingsFile) {
    PrintImage image;
    char rule[32] = {};
    tk73_GetPrivateProfileStringA(kImageSection, kRuleKey, kThresholdRule, rule, sizeof rule,
                                  settingsFile.c_str());
    image.dither = std::string(rule) == kDitherRule;
    const int threshold = number(kImageSection, kThresholdKey, image.threshold, settingsFile);
    image.threshold = threshold >= 1 && threshold <= 255 ? threshold : image.threshold;
    image.type = number(kPrintSection, kTypeKey, 0, settingsFile) == 1 ? 1 : 0;
    image.dataFile = text(kPrintSection, kDataFileKey, settingsFile);
    image.logo1BuiltIn = number(kPrintSection, kLogo1Key, 1, settingsFile) != 0;
    image.logo2BuiltIn = number(kPrintSection, kLogo2Key, 0, settingsFile) != 0;
    image.paper = number(kLogoSection, kPaperKey, 58, settingsFile) == 80 ? 80 : 58;
    for (const ReceiptImage which : kReceiptImages) {
        image.receiptImage(which) = text(kPrintSection, receiptImageKey(which), settingsFile);
    }
    return image;
}

bool PrintImage::write(const std::string& settingsFile, const LogoEntry& entry) const {
    bool written =
        put(kLogoSection, kWidthKey, std::to_string(entry.width), settingsFile) &&
        put(kLogoSection, kHeightKey, std::to_string(entry.height), settingsFile) &&
        put(kLogoSection, kLogosKey, std::to_string(entry.logos), settingsFile) &&
        put(kLogoSection, kPaperKey, std::to_string(paper), settingsFile) &&
        put(kImageSection, kRuleKey, dither ? kDitherRule : kThresholdRule, settingsFile) &&
        put(kImageSection, kThresholdKey, std::to_string(threshold), settingsFile) &&
        put(kPrintSection, kTypeKey, std::to_string(type), settingsFile) &&
        put(kPrintSection, kDataFileKey, dataFile, settingsFile) &&
        put(kPrintSection, kLogo1Key, logo1BuiltIn ? "1" : "0", settingsFile) &&
        put(kPrintSection, kLogo2Key, logo2BuiltIn ? "1" : "0", settingsFile);
    for (const ReceiptImage which : kReceiptImages) {
        written = written &&
                  put(kPrintSection, receiptImageKey(which), receiptImage(which), settingsFile);
    }
    return written;
}

}  // namespace tk73logo
