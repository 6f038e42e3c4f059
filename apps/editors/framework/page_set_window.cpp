#include "apps/editors/framework/page_set_window.h"

#include "base/ui/qt_user_interaction.h"
#include "base/ui/ui_text.h"

namespace tk73editor {

namespace {

void setMessageParent(QWidget* window) {
    if (auto* qt = dynamic_cast<tk73::QtUserInteraction*>(&tk73::ui())) {
        qt->setParentWindow(window);
    }
}

}  // namespace

PageSetWindow::PageSetWindow(PgmMenuContext& context, const std::string& title, Front front,
                             QWidget* parent)
    : QDialog(parent),
      context_(context),
      title_(title),
      handover_(front == Front::Take ? std::make_unique<WindowHandover>(this) : nullptr) {
    setWindowTitle(tk73::toQString(title_));
}

void PageSetWindow::Tell(const std::string& text, tk73::MessageIcon icon) const {
    tk73::ui().message(text, title_, icon);
}

void PageSetWindow::EndHandover() {
    if (handover_ != nullptr) {
        handover_->End();
    }
}

void PageSetWindow::done(int result) {
    // Also after Cancel: a "CURRENTHWND" left behind would name a window that is gone.
    EndHandover();
    if (handover_ == nullptr && parentWidget() != nullptr) {
        // Messages go back to the window this dialog was opened from.
        setMessageParent(parentWidget()->window());
    }
    QDialog::done(result);
}

void PageSetWindow::showEvent(QShowEvent* event) {
    setMessageParent(this);
    if (handover_ != nullptr) {
        handover_->Begin();
    }
    QDialog::showEvent(event);
}

}  // namespace tk73editor
