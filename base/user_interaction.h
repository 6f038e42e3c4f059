#pragma once
// The one way library logic talks to the user. Libraries never open a window themselves: they
// call ui() and the implementation that the program installed at start-up answers. The programs
// install the Qt implementation (base/ui/), the command-line front end a console one, and tests
// a scripted one that records every call and answers from a script.
//
// When nothing is installed, the console implementation answers: it writes messages and
// questions to the standard error stream and takes the default answer of every question, no
// file or folder for the pickers, Cancel for the named dialogs, and runs progress work directly
// on the calling thread. That keeps a program that forgot to install one usable from a script.
//
// Texts are byte strings in the installation's code page, like every other text of the suite;
// the implementation converts them for display.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk73 {

// The answers, with the numbers the dialogs of the suite report as their result.
enum class Button {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

// The button sets of a question, in the order they are shown.
enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };

// Application is the suite's own icon (shown by the run-with-progress dialog).
enum class MessageIcon { None, Information, Question, Exclamation, Error, Application };

// One entry of a file picker's type list: "CSV file" with patterns "*.csv" ("*.a;*.b" for more).
struct FileType {
    std::string description;
    std::string patterns;
};

struct FileRequest {
    std::string title{};             // empty: the picker's own title
    std::vector<FileType> types{};   // empty: every file
    std::string folder{};            // start folder; empty: the picker's choice
    std::string fileName{};          // proposed name
    std::string defaultExtension{};  // without the dot; added to a typed name that has none
};

// A dialog that a library describes by its inputs and outputs (import range, file selection,
// LAN select and run, merge, store dialogs). The library derives its request from this class;
// the implementation finds the code that shows it by the name, fills the outputs and answers
// the button that closed it.
class DialogRequest {
  public:
    virtual ~DialogRequest() = default;
    virtual std::string_view dialogName() const = 0;
};

class UserInteraction {
  public:
    virtual ~UserInteraction() = default;

    // A message with the OK button; answers Ok once the user has seen it.
    virtual Button message(const std::string& text, const std::string& caption,
                           MessageIcon icon) = 0;
    // A question with the given buttons; answers the one chosen (Cancel, or No when the set has
    // no Cancel, when the question is closed without a choice).
    virtual Button question(const std::string& text, const std::string& caption, Buttons buttons,
                            Button defaultButton, MessageIcon icon) = 0;
    virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                    const std::string& startFolder) = 0;
    // Runs the work while the user waits in a dialog that cannot be closed, and answers the
    // work's result. The Qt implementation runs the work on a worker thread; the work must not
    // call back into the user interface.
    [[nodiscard]] virtual int runWithProgress(const std::string& caption,
                                              const std::string& message, MessageIcon icon,
                                              const std::function<int()>& work) = 0;
    virtual Button showDialog(DialogRequest& request) = 0;
};

// The buttons of a set, in the order they are shown.
std::vector<Button> buttonsOf(Buttons buttons);
// The button that answers a question closed without a choice: Cancel, else No, else the first
// button of the set.
Button dismissButtonOf(Buttons buttons);
// The default button of a question: the one asked for when it belongs to the set, else the first.
Button effectiveDefault(Buttons buttons, Button requested);

// The implementation in use.
UserInteraction& ui();
// Makes the implementation the one in use and answers the previous one (null when it was the
// built-in console). Null restores the console. The caller keeps ownership and must uninstall
// it before destroying it.
UserInteraction* installUserInteraction(UserInteraction* implementation);

}  // namespace tk73
