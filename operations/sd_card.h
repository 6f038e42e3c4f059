#pragma once
// The SD card dialog that the archive flows show before they read or write the register's card:
// a drop-down of the card folders on offer and "Browse..." for any other folder. The folders on
// offer are the machine's removable volumes (platform/removable_volumes.h) and the card folder
// used last, kept in the user value "SDCARD_DRV", which is also the one preselected.
//
// The dialog is a named dialog of the user-interaction seam ("SdCard"); the programs show it with
// the widget of operations/ui, tests answer it from a script. What it lists and preselects and
// what its OK does is decided here.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"

namespace tk73ops {

enum class SdCardUse { Open, Save };

class SdCardChoice {
  public:
    explicit SdCardChoice(SdCardUse use);

    const std::string& title() const { return title_; }
    const std::string& prompt() const { return prompt_; }
    // The entry after the folders that asks for any folder.
    static const char* browseEntry();

    const std::vector<std::string>& folders() const { return folders_; }
    // The index of the folder shown first: the one used last when it is on offer, else the
    // first; -1 when none is on offer.
    int preselected() const { return preselected_; }

    // "Browse...": asks for a folder, starting at the folder of index current when there is
    // one. A folder chosen joins the list unless it is there already; answers its index, or -1
    // when the user cancelled.
    int browse(int current);

    // OK with the folder of that index (-1: none chosen). Without a folder it warns under the
    // caption and answers false, so that the dialog stays open; with one it keeps the folder in
    // "SDCARD_DRV" for the next time and answers true.
    bool accept(int index, const std::string& caption);
    // The folder OK took; empty before.
    const std::string& chosenFolder() const { return chosen_; }

  private:
    std::string title_;
    std::string prompt_;
    std::vector<std::string> folders_;
    int preselected_ = -1;
    std::string chosen_;
};

struct SdCardRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "SdCard";
    explicit SdCardRequest(SdCardChoice& c) : choice(c) {}
    std::string_view dialogName() const override { return kName; }
    SdCardChoice& choice;
};

// Shows the dialog; 1 with the chosen card folder in folder, 0 when the user cancelled (folder
// untouched).
int SelectSdCard(SdCardUse use, std::string* folder);

// The card folder used last, when it is there (a card taken out is not); empty otherwise.
std::string LastCardFolder();

}  // namespace tk73ops
