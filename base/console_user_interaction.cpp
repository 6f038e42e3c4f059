#include "base/console_user_interaction.h"

#include <iostream>

namespace tk73 {

namespace {

const char* iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return "information";
        case MessageIcon::Question:
            return "question";
        case MessageIcon::Exclamation:
            return "warning";
        case MessageIcon::Error:
            return "error";
        case MessageIcon::None:
        case MessageIcon::Application:
            break;
    }
    return nullptr;
}

const char* buttonName(Button button) {
    switch (button) {
        case Button::Ok:
            return "OK";
        case Button::Cancel:
            return "Cancel";
        case Button::Abort:
            return "Abort";
        case Button::Retry:
            return "Retry";
        case Button::Ignore:
            return "Ignore";
        case Button::Yes:
            return "Yes";
        case Button::No:
            return "No";
        case Button::None:
            break;
    }
    return "none";
}

// "caption [icon]: text", the caption and the icon left out when there are none.
std::string headed(const std::string& caption, MessageIcon icon, const std::string& text) {
    std::string line = caption;
    if (const char* name = iconName(icon)) {
        line += line.empty() ? "" : " ";
        line += std::string("[") + name + "]";
    }
    return line.empty() ? text : line + ": " + text;
}

std::string pickerTitle(const std::string& title, const char* fallback) {
    return title.empty() ? fallback : title;
}

}  // namespace

ConsoleUserInteraction::ConsoleUserInteraction() : out_(std::cerr) {}

ConsoleUserInteraction::ConsoleUserInteraction(std::ostream& out) : out_(out) {}

void ConsoleUserInteraction::writeLine(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << line << '\n' << std::flush;
}

Button ConsoleUserInteraction::message(const std::string& text, const std::string& caption,
                                       MessageIcon icon) {
    writeLine(headed(caption, icon, text));
    return Button::Ok;
}

Button ConsoleUserInteraction::question(const std::string& text, const std::string& caption,
                                        Buttons buttons, Button defaultButton, MessageIcon icon) {
    const Button answer = effectiveDefault(buttons, defaultButton);
    std::string choices;
    for (Button button : buttonsOf(buttons)) {
        choices += choices.empty() ? "" : "/";
        choices += buttonName(button);
    }
    writeLine(headed(caption, icon, text) + " [" + choices + "] " + buttonName(answer));
    return answer;
}

std::optional<std::string> ConsoleUserInteraction::openFile(const FileRequest& request) {
    writeLine(pickerTitle(request.title, "Open") + ": no file chosen");
    return std::nullopt;
}

std::optional<std::string> ConsoleUserInteraction::saveFile(const FileRequest& request) {
    writeLine(pickerTitle(request.title, "Save As") + ": no file chosen");
    return std::nullopt;
}

std::optional<std::string> ConsoleUserInteraction::chooseFolder(const std::string& title,
                                                                const std::string& startFolder) {
    writeLine(pickerTitle(title, "Folder") + ": no folder chosen");
    return std::nullopt;
}

int ConsoleUserInteraction::runWithProgress(const std::string& caption, const std::string& message,
                                            MessageIcon icon, const std::function<int()>& work) {
    writeLine(headed(caption, MessageIcon::None, message));
    return work ? work() : 0;
}

Button ConsoleUserInteraction::showDialog(DialogRequest& request) {
    writeLine(std::string(request.dialogName()) + ": cancelled");
    return Button::Cancel;
}

}  // namespace tk73
