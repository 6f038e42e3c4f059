#include "operations/ui/sd_card_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "storedb/ui/dialog_parts.h"

using tk73::toQString;

CSdCardDlg::CSdCardDlg(tk73ops::SdCardChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice), folders_(new QComboBox) {
    setWindowTitle(toQString(choice.title()));
    folders_->setObjectName(QStringLiteral("cardFolders"));
    folders_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(tk73storeui::promptLabel(choice.prompt()));
    layout->addWidget(folders_);
    layout->addWidget(tk73storeui::okCancelButtons(this));
    ShowFolders(choice.preselected());
    connect(folders_, &QComboBox::activated, this, &CSdCardDlg::OnEntryChosen);
}

void CSdCardDlg::ShowFolders(int current) {
    const QSignalBlocker blocker(folders_);
    folders_->clear();
    for (const std::string& folder : choice_.folders()) {
        folders_->addItem(toQString(folder));
    }
    folders_->addItem(toQString(tk73ops::SdCardChoice::browseEntry()));
    folders_->setCurrentIndex(current);
    shown_ = current;
}

void CSdCardDlg::OnEntryChosen(int index) {
    if (index < static_cast<int>(choice_.folders().size())) {
        shown_ = index;
        return;
    }
    const int picked = choice_.browse(shown_);
    ShowFolders(picked >= 0 ? picked : shown_);
}

void CSdCardDlg::accept() {
    if (choice_.accept(shown_, tk73storeui::ownerCaption(this))) {
        QDialog::accept();
    }
}
