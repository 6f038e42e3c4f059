#include "base/ui/qt_user_interaction.h"

#include <QApplication>
#include <QFileDialog>
#include <QThread>

#include <cstdio>

#include "base/ui/file_filter.h"
#include "base/ui/message_box.h"
#include "base/ui/progress_dialog.h"
#include "base/ui/ui_text.h"

namespace tk73 {

namespace {

bool onUserInterfaceThread() {
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

QtUserInteraction::QtUserInteraction(QWidget* parent) : parent_(parent) {}

void QtUserInteraction::setParentWindow(QWidget* parent) {
    parent_ = parent;
}

void QtUserInteraction::addDialog(const std::string& name, DialogHandler handler) {
    dialogs_[name] = std::move(handler);
}

Button QtUserInteraction::message(const std::string& text, const std::string& caption,
                                  MessageIcon icon) {
    return showMessageBox(parent_, text, caption, Buttons::Ok, Button::Ok, icon);
}

Button QtUserInteraction::question(const std::string& text, const std::string& caption,
                                   Buttons buttons, Button defaultButton, MessageIcon icon) {
    return showMessageBox(parent_, text, caption, buttons, defaultButton, icon);
}

std::optional<std::string> QtUserInteraction::pickFile(const FileRequest& request, bool save) {
    QFileDialog dialog(parent_, toQString(request.title), toQString(request.folder),
                       qtFileFilter(request.types));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExtension.empty()) {
        dialog.setDefaultSuffix(toQString(request.defaultExtension));
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(toQString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQString(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtUserInteraction::openFile(const FileRequest& request) {
    return pickFile(request, false);
}

std::optional<std::string> QtUserInteraction::saveFile(const FileRequest& request) {
    return pickFile(request, true);
}

std::optional<std::string> QtUserInteraction::chooseFolder(const std::string& title,
                                                           const std::string& startFolder) {
    QFileDialog dialog(parent_, toQString(title), toQString(startFolder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQString(dialog.selectedFiles().constFirst());
}

int QtUserInteraction::runWithProgress(const std::string& caption, const std::string& message,
                                       MessageIcon icon, const std::function<int()>& work) {
    if (!work) {
        return 0;
    }
    if (!onUserInterfaceThread()) {
        return work();
    }
    ProgressDialog dialog(caption, message, icon, parent_);
    return dialog.run(work);
}

std::vector<std::string> QtUserInteraction::dialogNames() const {
    std::vector<std::string> names;
    for (const auto& [name, handler] : dialogs_) {
        names.push_back(name);
    }
    return names;
}

Button QtUserInteraction::showDialog(DialogRequest& request) {
    const std::string name(request.dialogName());
    const auto found = dialogs_.find(name);
    if (found == dialogs_.end()) {
        // A flow that asks for a dialog the program never registered must not look like the
        // user's Cancel: it is a fault of the program, said where it is seen.
        const std::string text = "The dialog \"" + name + "\" is missing in this program.";
        std::fprintf(stderr, "%s\n", text.c_str());
        message(text, "", MessageIcon::Error);
        return Button::Cancel;
    }
    return found->second(request, parent_);
}

}  // namespace tk73
