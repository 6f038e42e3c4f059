#include "apps/editors/receipt/definition_captions.h"

#include <algorithm>
#include <cctype>

#include "platform/ini_profile.h"

namespace tk73receipt {

namespace {

// Captions are button texts; a value longer than this is no caption.
constexpr uint32_t kCaptionRoom = 257;

std::string profileText(const std::string& definitionFile, const char* section, const char* key,
                        const char* fallback) {
    char text[kCaptionRoom] = {};
    tk73_GetPrivateProfileStringA(section, key, fallback, text, kCaptionRoom,
                                  definitionFile.c_str());
    return text;
}

}  // namespace

OnOffCaptions messageCaptions(const std::string& definitionFile) {
    return {profileText(definitionFile, "CAPTION_PGM_MENU_006", "ON", "LABELON"),
            profileText(definitionFile, "CAPTION_PGM_MENU_006", "OFF", "LABELOFF")};
}

OnOffCaptions statusCaptions(const std::string& definitionFile, const OnOffCaptions& defaults) {
    OnOffCaptions captions = defaults;
    if (std::string on = profileText(definitionFile, "STATUS_PGM_MENU_007", "LABELON", "");
        !on.empty()) {
        captions.on = std::move(on);
    }
    if (std::string off = profileText(definitionFile, "STATUS_PGM_MENU_007", "LABELOFF", "");
        !off.empty()) {
        captions.off = std::move(off);
    }
    return captions;
}

bool reportsCanBeRenamed(const std::string& definitionFile) {
    const std::string value =
        profileText(definitionFile, "CAPTION_PGM_MENU_008", "RENAME_POINT", "FALSE");
    const std::string_view yes = "TRUE";
    return std::equal(value.begin(), value.end(), yes.begin(), yes.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace tk73receipt
