#include "tools/cli/cli_user_interaction.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "programfiles/pgm_import_range.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

namespace {

bool inSet(tk73::Buttons buttons, tk73::Button button) {
    const std::vector<tk73::Button> set = tk73::buttonsOf(buttons);
    return std::find(set.begin(), set.end(), button) != set.end();
}

// The agreeing answer of a set: Yes, else OK, else Retry.
tk73::Button agreeingButton(tk73::Buttons buttons) {
    for (const tk73::Button button : {tk73::Button::Yes, tk73::Button::Ok, tk73::Button::Retry}) {
        if (inSet(buttons, button)) {
            return button;
        }
    }
    return tk73::dismissButtonOf(buttons);
}

// Reads "y" or "n" from the terminal; anything else, or the end of input, is no.
bool askTerminal(const std::string& text) {
    std::cerr << text << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes";
}

}  // namespace

CliUserInteraction::CliUserInteraction(bool assumeYes)
    : assumeYes_(assumeYes), previous_(tk73::installUserInteraction(this)) {}

CliUserInteraction::~CliUserInteraction() {
    tk73::installUserInteraction(previous_);
}

tk73::Button CliUserInteraction::message(const std::string& text, const std::string& caption,
                                         tk73::MessageIcon icon) {
    return ConsoleUserInteraction::message(TerminalText(text), TerminalText(caption), icon);
}

tk73::Button CliUserInteraction::question(const std::string& text, const std::string& caption,
                                          tk73::Buttons buttons, tk73::Button defaultButton,
                                          tk73::MessageIcon icon) {
    const tk73::Button agree = agreeingButton(buttons);
    const std::string shown = TerminalText(text);
    const std::string title = TerminalText(caption);
    // A lone button asks nothing: it only needs to be seen.
    if (assumeYes_ || tk73::buttonsOf(buttons).size() == 1) {
        return ConsoleUserInteraction::question(shown, title, buttons, agree, icon);
    }
    if (isatty(STDIN_FILENO) != 0) {
        return askTerminal(shown) ? agree : tk73::dismissButtonOf(buttons);
    }
    refused_ = true;
    ConsoleUserInteraction::message(shown + " (not answered: give --yes to agree)", title, icon);
    return tk73::dismissButtonOf(buttons);
}

std::optional<std::string> CliUserInteraction::takeChosenFile() {
    std::optional<std::string> chosen = chosenFile_;
    chosenFile_.reset();
    return chosen;
}

std::optional<std::string> CliUserInteraction::openFile(const tk73::FileRequest& request) {
    std::optional<std::string> chosen = takeChosenFile();
    return chosen ? chosen : ConsoleUserInteraction::openFile(request);
}

std::optional<std::string> CliUserInteraction::saveFile(const tk73::FileRequest& request) {
    std::optional<std::string> chosen = takeChosenFile();
    return chosen ? chosen : ConsoleUserInteraction::saveFile(request);
}

tk73::Button CliUserInteraction::showDialog(tk73::DialogRequest& request) {
    if (request.dialogName() != tk73pgm::ImportRangeRequest::kName) {
        return ConsoleUserInteraction::showDialog(request);
    }
    auto& range = static_cast<tk73pgm::ImportRangeRequest&>(request);
    if (basicOnly_ && !range.basicOffered) {
        message("This file can only be read with all its data (leave out --basic).", "tk73",
                tk73::MessageIcon::Error);
        return tk73::Button::Cancel;
    }
    std::string text = std::string(tk73pgm::ImportRangeRequest::kQuestion) + " " +
                       tk73pgm::ImportRangeRequest::kWarning;
    if (!range.recordNote.empty()) {
        text += " " + range.recordNote;
    }
    if (question(text, "tk73", tk73::Buttons::OkCancel, tk73::Button::Cancel,
                 tk73::MessageIcon::Question) != tk73::Button::Ok) {
        return tk73::Button::Cancel;
    }
    range.range = basicOnly_ ? tk73pgm::ImportRange::BasicOnly : tk73pgm::ImportRange::AllData;
    return tk73::Button::Ok;
}

}  // namespace tk73cli
