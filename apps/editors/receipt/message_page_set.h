#pragma once
// The receipt messages (switch "RM", "Receipt Message"): the page "Message" with the four
// message blocks ("Logo message", "Addr/Tel No.", "Commercial message", "Bottom message"), each
// printed or not, with the number of lines printed and its lines, the two print characters and
// the "Preview" button; and the page "Graphic logo" with the print status of the three logos.
//
// The "on" and "off" buttons of the logo message and the address take their texts from
// "CAPTION_PGM_MENU_006", those of the logo status page from "STATUS_PGM_MENU_007" when it is
// there (definition_captions.h).

#include <array>
#include <string>
#include <vector>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/receipt/definition_captions.h"
#include "apps/editors/receipt/receipt_preview.h"

namespace tk73receipt {

class MessagePageSet : public tk73editor::PageSetDialog {
  public:
    explicit MessagePageSet(tk73editor::PgmMenuContext& context);

    // The preview of the messages as the page shows them now.
    std::string PreviewText();
    // The printer's characters per line: the first block's that is not 0, else the width of
    // the message lines.
    [[nodiscard]] int CharactersPerLine();
    // The "Preview" button: the dialog "Preview receipt".
    void ShowPreview();

  private:
    struct Block {
        tk73editor::ChoiceItem* print = nullptr;
        std::vector<tk73editor::TextItem*> lines;
        int width = 0;
    };

    QWidget* MessagePage(tk73editor::SettingPage& page);
    QWidget* BlockGroup(tk73editor::SettingPage& page, int block, const OnOffCaptions& captions);
    void LogoStatusPage(tk73editor::SettingPage& page);
    PreviewBlock PreviewOf(const Block& block) const;

    std::array<Block, 4> blocks_;
};

}  // namespace tk73receipt
