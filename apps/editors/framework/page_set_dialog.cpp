#include "apps/editors/framework/page_set_dialog.h"

#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/help_manuals.h"

namespace tk73editor {

PageSetDialog::PageSetDialog(PgmMenuContext& context, const std::string& title, QWidget* parent,
                             Front front)
    : PageSetWindow(context, title, front, parent),
      tabs_(new QTabWidget),
      layout_(new QVBoxLayout(this)),
      buttons_(new QDialogButtonBox),
      restoreButton_(
          new QPushButton(tk73::toQString(editorText(EditorText::RestoreDefaultsButton)))) {
    tabs_->setTabBarAutoHide(true);
    buttons_->addButton(restoreButton_, QDialogButtonBox::ResetRole);
    buttons_->addButton(tk73::toQString(editorText(EditorText::OkButton)),
                        QDialogButtonBox::AcceptRole);
    buttons_->addButton(tk73::toQString(editorText(EditorText::CancelButton)),
                        QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PageSetDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PageSetDialog::reject);
    connect(restoreButton_, &QPushButton::clicked, this, &PageSetDialog::RestoreDefaults);
    layout_->addWidget(tabs_);
    layout_->addWidget(buttons_);
}

void PageSetDialog::HideRestoreDefaults() {
    restoreButton_->hide();
}

void PageSetDialog::AddHelpButton() {
    QPushButton* help = buttons_->addButton(tk73::toQString(editorText(EditorText::HelpButton)),
                                            QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, [] { CTK73hlp().ShowHelpToolManual(); });
}

void PageSetDialog::AddFooter(QWidget* widget) {
    // Above the buttons, which are always last.
    layout_->insertWidget(layout_->count() - 1, widget);
}

SettingPage& PageSetDialog::AddPage(const std::string& title) {
    auto* page = new SettingPage(title);
    tabs_->addTab(page, tk73::toQString(title));
    pages_.push_back(page);
    return *page;
}

SettingPage* PageSetDialog::CurrentPage() const {
    return static_cast<SettingPage*>(tabs_->currentWidget());
}

void PageSetDialog::Tell(EditorText text, tk73::MessageIcon icon) {
    PageSetWindow::Tell(editorText(text), icon);
}

int PageSetDialog::Open() {
    int all = 1;
    for (SettingPage* page : pages_) {
        if (!page->Load(Context(), PGM_ACCESS_READ)) {
            all = 0;
        }
    }
    if (!all) {
        Tell(EditorText::ReadFailed, tk73::MessageIcon::Error);
    }
    return all;
}

void PageSetDialog::RestoreDefaults() {
    SettingPage* page = CurrentPage();
    if (page == nullptr ||
        tk73::ui().question(editorText(EditorText::ConfirmDefaults), Title(),
                            tk73::Buttons::OkCancel, tk73::Button::Cancel,
                            tk73::MessageIcon::Exclamation) != tk73::Button::Ok) {
        return;
    }
    if (!page->Load(Context(), PGM_ACCESS_READ_DEFAULT)) {
        Tell(EditorText::ReadFailed, tk73::MessageIcon::Error);
    }
}

void PageSetDialog::accept() {
    for (SettingPage* page : pages_) {
        if (PageItem* invalid = page->FirstInvalid()) {
            tabs_->setCurrentWidget(page);
            invalid->Control()->setFocus();
            Tell(EditorText::InvalidValues, tk73::MessageIcon::None);
            return;
        }
    }
    if (tk73::ui().question(editorText(EditorText::ConfirmSave), Title(), tk73::Buttons::OkCancel,
                            tk73::Button::Ok, tk73::MessageIcon::Exclamation) != tk73::Button::Ok) {
        return;
    }
    if (!Saving()) {
        Tell(EditorText::WriteFailed, tk73::MessageIcon::Error);
        return;
    }
    for (SettingPage* page : pages_) {
        if (!page->Save(Context().Handle())) {
            Tell(EditorText::WriteFailed, tk73::MessageIcon::Error);
            return;
        }
    }
    Saved();
    QDialog::accept();
}

}  // namespace tk73editor
