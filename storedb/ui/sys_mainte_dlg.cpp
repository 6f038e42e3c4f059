#include "storedb/ui/sys_mainte_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "storedb/ui/dialog_parts.h"

using tk73::fromQString;
using tk73::toQString;

CTK73mntSysMainteDlg::CTK73mntSysMainteDlg(tk73store::SysMaintenance& maintenance, QWidget* parent)
    : QDialog(parent), maintenance_(maintenance) {
    setWindowTitle(toQString(maintenance.title()));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(tk73storeui::promptLabel(maintenance.prompt()));
    if (maintenance.asksFolder()) {
        folder_ = new QLineEdit(toQString(maintenance.initialFolder()));
        folder_->setObjectName(QStringLiteral("folder"));
        folder_->setMinimumWidth(folder_->fontMetrics().averageCharWidth() * 60);
        tk73storeui::widenFor(folder_, folder_->text());
        auto* browse = new QToolButton;
        browse->setText(QStringLiteral("..."));
        browse->setObjectName(QStringLiteral("browse"));
        connect(browse, &QToolButton::clicked, this, [this] { this->browse(); });
        auto* row = new QHBoxLayout;
        row->addWidget(folder_, 1);
        row->addWidget(browse);
        layout->addLayout(row);
    }
    layout->addWidget(tk73storeui::okCancelButtons(this));
}

void CTK73mntSysMainteDlg::browse() {
    const std::optional<std::string> chosen =
        tk73::ui().chooseFolder(maintenance_.title(), fromQString(folder_->text()));
    if (chosen) {
        folder_->setText(toQString(*chosen));
    }
}

void CTK73mntSysMainteDlg::accept() {
    if (maintenance_.accept(folder_ != nullptr ? fromQString(folder_->text().trimmed()) : "")) {
        QDialog::accept();
    }
}
