#pragma once
// The user interaction of tests: installed while the object lives, it records every call and
// answers the prompts from a script the test queued beforehand, in order.
//
// Messages only inform, so they are recorded and answered OK without a script entry; the test
// checks them through calls(). Questions, pickers and named dialogs each take the next script
// entry. A prompt that finds no entry, or an entry of another kind, fails the running test and
// is answered as if the user had cancelled. Entries left over when the object is destroyed fail
// the test too: the flow asked less than the test expected. Progress work runs at once on the
// calling thread.

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/user_interaction.h"

namespace tk73test {

enum class InteractionKind { Message, Question, OpenFile, SaveFile, Folder, Progress, Dialog };

struct RecordedInteraction {
    InteractionKind kind = InteractionKind::Message;
    std::string text;     // message or question text; progress message; picker title; dialog name
    std::string caption;  // message, question and progress caption
    tk73::MessageIcon icon = tk73::MessageIcon::None;
    tk73::Buttons buttons = tk73::Buttons::Ok;
    tk73::Button defaultButton = tk73::Button::None;
    std::string folder;                 // a picker's start folder
    std::vector<tk73::FileType> types;  // a file picker's types
    tk73::Button answer = tk73::Button::None;
    std::optional<std::string> path;  // a picker's answer
};

class ScriptedUserInteraction : public tk73::UserInteraction {
  public:
    using DialogHandler = std::function<tk73::Button(tk73::DialogRequest&)>;

    ScriptedUserInteraction();
    ~ScriptedUserInteraction() override;
    ScriptedUserInteraction(const ScriptedUserInteraction&) = delete;
    ScriptedUserInteraction& operator=(const ScriptedUserInteraction&) = delete;

    // The script: answers for the prompts to come, in order.
    void pressButton(tk73::Button button);
    // The answer of the next open, save or folder picker; nullopt is the user cancelling it.
    void choosePath(std::optional<std::string> path);
    // The next named dialog must be this one; the handler fills its outputs and answers.
    void handleDialog(std::string name, DialogHandler handler);

    std::vector<RecordedInteraction> calls() const;
    // The texts of the recorded calls of one kind, in order.
    std::vector<std::string> textsOf(InteractionKind kind) const;

    tk73::Button message(const std::string& text, const std::string& caption,
                         tk73::MessageIcon icon) override;
    tk73::Button question(const std::string& text, const std::string& caption,
                          tk73::Buttons buttons, tk73::Button defaultButton,
                          tk73::MessageIcon icon) override;
    std::optional<std::string> openFile(const tk73::FileRequest& request) override;
    std::optional<std::string> saveFile(const tk73::FileRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    int runWithProgress(const std::string& caption, const std::string& message,
                        tk73::MessageIcon icon, const std::function<int()>& work) override;
    tk73::Button showDialog(tk73::DialogRequest& request) override;

  private:
    enum class AnswerKind { Button, Path, Dialog };
    struct Answer {
        AnswerKind kind;
        tk73::Button button = tk73::Button::None;
        std::optional<std::string> path;
        std::string dialogName;
        DialogHandler handler;
    };

    static const char* nameOf(AnswerKind kind);
    // The next script entry when it is of the kind asked for; otherwise fails the test.
    std::optional<Answer> take(AnswerKind kind, const std::string& prompt);
    std::optional<std::string> pick(InteractionKind kind, const tk73::FileRequest& request);
    void record(RecordedInteraction call);

    mutable std::mutex mutex_;  // prompts may come from a worker thread of the flow under test
    std::deque<Answer> script_;
    std::vector<RecordedInteraction> calls_;
    tk73::UserInteraction* previous_ = nullptr;
};

}  // namespace tk73test
