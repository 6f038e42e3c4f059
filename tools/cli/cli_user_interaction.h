#pragma once
// The user interaction of tk73. Messages go to standard error as the console default writes
// them, in UTF-8 like the rest of tk73's output: the libraries' texts carry stored names in the
// installation's code page. A question is answered Yes when the command was given --yes; otherwise
// it is put to the user only when standard input is a terminal, and refused (answered No or Cancel,
// and remembered) when it is not, so a script never hangs on a question nobody sees. The file
// pickers answer the path that the command line named, once: a flow that asks again (after a
// refused overwrite) gets no file and ends. The import range dialog is a question too: it
// clears the program file's data, so it needs --yes, and takes the range the command chose.

#include <optional>
#include <string>

#include "base/console_user_interaction.h"

namespace tk73cli {

class CliUserInteraction : public tk73::ConsoleUserInteraction {
  public:
    explicit CliUserInteraction(bool assumeYes);
    ~CliUserInteraction() override;
    CliUserInteraction(const CliUserInteraction&) = delete;
    CliUserInteraction& operator=(const CliUserInteraction&) = delete;

    // The path the next file picker answers.
    void SetChosenFile(const std::string& path) { chosenFile_ = path; }
    // Whether an import reads only the base fields of the records (else all data).
    void SetBasicOnly(bool basicOnly) { basicOnly_ = basicOnly; }
    // Whether a question was left unanswered for want of --yes.
    bool Refused() const { return refused_; }

    tk73::Button message(const std::string& text, const std::string& caption,
                         tk73::MessageIcon icon) override;
    tk73::Button question(const std::string& text, const std::string& caption,
                          tk73::Buttons buttons, tk73::Button defaultButton,
                          tk73::MessageIcon icon) override;
    std::optional<std::string> openFile(const tk73::FileRequest& request) override;
    std::optional<std::string> saveFile(const tk73::FileRequest& request) override;
    tk73::Button showDialog(tk73::DialogRequest& request) override;

  private:
    std::optional<std::string> takeChosenFile();

    bool assumeYes_;
    bool refused_ = false;
    bool basicOnly_ = false;
    std::optional<std::string> chosenFile_;
    tk73::UserInteraction* previous_;
};

}  // namespace tk73cli
