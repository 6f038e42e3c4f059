#pragma once
// What the store definition file says about the receipt editor's own captions:
//
// - "CAPTION_PGM_MENU_006": "ON" (default "LABELON") and "OFF" (default "LABELOFF"), the texts of
//   the "on" and "off" buttons of the logo message and of the address.
// - "STATUS_PGM_MENU_007": "LABELON" and "LABELOFF", no default; a value present replaces the
//   texts of the buttons of the graphic logo status page.
// - "CAPTION_PGM_MENU_008": "RENAME_POINT" (default "FALSE"); "TRUE" in any letter case lets the
//   report page rename the reports.

#include <optional>
#include <string>

namespace tk73receipt {

struct OnOffCaptions {
    std::string on;
    std::string off;
};

OnOffCaptions messageCaptions(const std::string& definitionFile);
// The status page's texts, each replacing the given default only when the definition has it.
OnOffCaptions statusCaptions(const std::string& definitionFile, const OnOffCaptions& defaults);
[[nodiscard]] bool reportsCanBeRenamed(const std::string& definitionFile);

}  // namespace tk73receipt
