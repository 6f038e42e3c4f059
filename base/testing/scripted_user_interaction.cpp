#include "base/testing/scripted_user_interaction.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk73test {

const char* ScriptedUserInteraction::nameOf(AnswerKind kind) {
    switch (kind) {
        case AnswerKind::Button:
            return "a button";
        case AnswerKind::Path:
            return "a path";
        case AnswerKind::Dialog:
            break;
    }
    return "a dialog";
}

ScriptedUserInteraction::ScriptedUserInteraction() {
    previous_ = tk73::installUserInteraction(this);
}

ScriptedUserInteraction::~ScriptedUserInteraction() {
    tk73::installUserInteraction(previous_);
    if (!script_.empty()) {
        ADD_FAILURE() << script_.size() << " scripted answer(s) were never asked for";
    }
}

void ScriptedUserInteraction::pressButton(tk73::Button button) {
    std::lock_guard<std::mutex> lock(mutex_);
    script_.push_back({AnswerKind::Button, button, std::nullopt, {}, {}});
}

void ScriptedUserInteraction::choosePath(std::optional<std::string> path) {
    std::lock_guard<std::mutex> lock(mutex_);
    script_.push_back({AnswerKind::Path, tk73::Button::None, std::move(path), {}, {}});
}

void ScriptedUserInteraction::handleDialog(std::string name, DialogHandler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    script_.push_back({AnswerKind::Dialog, tk73::Button::None, std::nullopt, std::move(name),
                       std::move(handler)});
}

std::vector<RecordedInteraction> ScriptedUserInteraction::calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::vector<std::string> ScriptedUserInteraction::textsOf(InteractionKind kind) const {
    std::vector<std::string> texts;
    for (const RecordedInteraction& call : calls()) {
        if (call.kind == kind) {
            texts.push_back(call.text);
        }
    }
    return texts;
}

std::optional<ScriptedUserInteraction::Answer> ScriptedUserInteraction::take(
    AnswerKind kind, const std::string& prompt) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected prompt \"" << prompt << "\": the script is empty";
        return std::nullopt;
    }
    Answer answer = std::move(script_.front());
    script_.pop_front();
    if (answer.kind != kind) {
        ADD_FAILURE() << "prompt \"" << prompt << "\" wants " << nameOf(kind) << ", the script has "
                      << nameOf(answer.kind);
        return std::nullopt;
    }
    return answer;
}

void ScriptedUserInteraction::record(RecordedInteraction call) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

tk73::Button ScriptedUserInteraction::message(const std::string& text, const std::string& caption,
                                              tk73::MessageIcon icon) {
    RecordedInteraction call;
    call.kind = InteractionKind::Message;
    call.text = text;
    call.caption = caption;
    call.icon = icon;
    call.answer = tk73::Button::Ok;
    record(std::move(call));
    return tk73::Button::Ok;
}

tk73::Button ScriptedUserInteraction::question(const std::string& text, const std::string& caption,
                                               tk73::Buttons buttons, tk73::Button defaultButton,
                                               tk73::MessageIcon icon) {
    RecordedInteraction call;
    call.kind = InteractionKind::Question;
    call.text = text;
    call.caption = caption;
    call.icon = icon;
    call.buttons = buttons;
    call.defaultButton = defaultButton;
    call.answer = tk73::dismissButtonOf(buttons);
    if (std::optional<Answer> answer = take(AnswerKind::Button, text)) {
        const std::vector<tk73::Button> set = tk73::buttonsOf(buttons);
        if (std::find(set.begin(), set.end(), answer->button) != set.end()) {
            call.answer = answer->button;
        } else {
            ADD_FAILURE() << "question \"" << text << "\" has no button "
                          << static_cast<int>(answer->button);
        }
    }
    record(call);
    return call.answer;
}

std::optional<std::string> ScriptedUserInteraction::pick(InteractionKind kind,
                                                         const tk73::FileRequest& request) {
    RecordedInteraction call;
    call.kind = kind;
    call.text = request.title;
    call.folder = request.folder;
    call.types = request.types;
    if (std::optional<Answer> answer = take(AnswerKind::Path, request.title)) {
        call.path = answer->path;
    }
    call.answer = call.path ? tk73::Button::Ok : tk73::Button::Cancel;
    record(call);
    return call.path;
}

std::optional<std::string> ScriptedUserInteraction::openFile(const tk73::FileRequest& request) {
    return pick(InteractionKind::OpenFile, request);
}

std::optional<std::string> ScriptedUserInteraction::saveFile(const tk73::FileRequest& request) {
    return pick(InteractionKind::SaveFile, request);
}

std::optional<std::string> ScriptedUserInteraction::chooseFolder(const std::string& title,
                                                                 const std::string& startFolder) {
    tk73::FileRequest request;
    request.title = title;
    request.folder = startFolder;
    return pick(InteractionKind::Folder, request);
}

int ScriptedUserInteraction::runWithProgress(const std::string& caption, const std::string& message,
                                             tk73::MessageIcon icon,
                                             const std::function<int()>& work) {
    RecordedInteraction call;
    call.kind = InteractionKind::Progress;
    call.text = message;
    call.caption = caption;
    call.icon = icon;
    record(std::move(call));
    return work ? work() : 0;
}

tk73::Button ScriptedUserInteraction::showDialog(tk73::DialogRequest& request) {
    const std::string name(request.dialogName());
    RecordedInteraction call;
    call.kind = InteractionKind::Dialog;
    call.text = name;
    call.answer = tk73::Button::Cancel;
    if (std::optional<Answer> answer = take(AnswerKind::Dialog, name)) {
        if (answer->dialogName == name) {
            call.answer = answer->handler(request);
        } else {
            ADD_FAILURE() << "dialog \"" << name << "\" shown where the script expects \""
                          << answer->dialogName << "\"";
        }
    }
    const tk73::Button result = call.answer;
    record(std::move(call));
    return result;
}

}  // namespace tk73test
