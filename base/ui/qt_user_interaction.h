#pragma once
// The seam's implementation for the programs: message boxes, Qt's file dialogs, the
// run-with-progress dialog, and the named dialogs that the libraries' ui/ folders register.
//
// A program creates one after its QApplication, registers the named dialogs (every program of
// the suite registers all of the libraries', apps/dialogs/library_dialogs.h), installs it
// (installUserInteraction) and gives it its main window as the parent of every dialog.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/user_interaction.h"

namespace tk73 {

class QtUserInteraction : public UserInteraction {
  public:
    // Shows the named dialog for the request under the parent window and answers its button.
    using DialogHandler = std::function<Button(DialogRequest&, QWidget* parent)>;

    explicit QtUserInteraction(QWidget* parent = nullptr);

    void setParentWindow(QWidget* parent);
    // The code that shows the dialog of that name; a later registration replaces an earlier one.
    void addDialog(const std::string& name, DialogHandler handler);

    Button message(const std::string& text, const std::string& caption, MessageIcon icon) override;
    Button question(const std::string& text, const std::string& caption, Buttons buttons,
                    Button defaultButton, MessageIcon icon) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    // Off the user-interface thread, or before the application exists, no window can be shown:
    // the work then runs directly on the calling thread.
    [[nodiscard]] int runWithProgress(const std::string& caption, const std::string& message,
                                      MessageIcon icon, const std::function<int()>& work) override;
    // The names of the dialogs registered, in name order.
    std::vector<std::string> dialogNames() const;
    // A dialog that nothing registered is a fault of the program: it says so, naming the dialog
    // (on the standard error stream too), and answers Cancel.
    Button showDialog(DialogRequest& request) override;

  private:
    std::optional<std::string> pickFile(const FileRequest& request, bool save);

    QPointer<QWidget> parent_;
    std::map<std::string, DialogHandler> dialogs_;
};

}  // namespace tk73
