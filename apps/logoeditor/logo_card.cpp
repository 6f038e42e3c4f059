#include "apps/logoeditor/logo_card.h"

#include "apps/logoeditor/logo_texts.h"
#include "archive/archive_files.h"
#include "base/folder_tree.h"
#include "base/user_interaction.h"
#include "operations/card_paths.h"
#include "operations/sd_card.h"
#include "platform/whole_file.h"

namespace tk73logo {

void saveLogoToCard(const LogoPlace& place, const LogoEntry& entry, const std::string& bitmap,
                    const std::string& caption) {
    std::string card;
    if (tk73ops::SelectSdCard(tk73ops::SdCardUse::Save, &card) != 1) {
        return;
    }
    const auto cardFailed = [&caption] {
        tk73::ui().message(logoText(LogoText::CardFailed), caption, tk73::MessageIcon::Error);
    };
    const std::string folder = tk73ops::CardLogoFolder(card, place.indentName, place.storeNo);
    if (folder.empty() || AecrbsMakeDirectory(folder.c_str()) != 1) {
        cardFailed();
        return;
    }
    const std::string target = tk73pack::inFolder(folder, LogoPlace::bitmapName(entry));
    if (tk73::pathExists(target) &&
        tk73::ui().question(logoText(LogoText::ConfirmOverwrite), caption, tk73::Buttons::YesNo,
                            tk73::Button::No, tk73::MessageIcon::Question) != tk73::Button::Yes) {
        return;
    }
    if (!tk73pack::writeWholeFile(target, bitmap)) {
        cardFailed();
        return;
    }
    tk73::ui().message(logoText(LogoText::SavedToCard), caption, tk73::MessageIcon::Information);
}

}  // namespace tk73logo
