#include "programfiles/ui/import_range_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "platform/running_program.h"

using tk73::toQString;
using tk73pgm::ImportRangeRequest;

CImportRangeDlg::CImportRangeDlg(ImportRangeRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), basicOnly_(new QRadioButton) {
    setWindowTitle(toQString(tk73::runningProgramName()));
    auto* allData = new QRadioButton(toQString(ImportRangeRequest::kAllData));
    allData->setObjectName(QStringLiteral("allData"));
    allData->setChecked(true);
    basicOnly_->setText(toQString(ImportRangeRequest::kBasicOnly));
    basicOnly_->setObjectName(QStringLiteral("basicOnly"));
    basicOnly_->setEnabled(request.basicOffered);
    auto* buttons = new QDialogButtonBox;
    QPushButton* read =
        buttons->addButton(toQString(ImportRangeRequest::kRead), QDialogButtonBox::AcceptRole);
    read->setDefault(true);
    buttons->addButton(toQString(ImportRangeRequest::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(ImportRangeRequest::kQuestion)));
    layout->addWidget(new QLabel(toQString(ImportRangeRequest::kWarning)));
    if (!request.recordNote.empty()) {
        auto* note = new QLabel(toQString(request.recordNote));
        note->setObjectName(QStringLiteral("recordNote"));
        layout->addWidget(note);
    }
    layout->addWidget(allData);
    layout->addWidget(basicOnly_);
    layout->addWidget(buttons);
}

void CImportRangeDlg::accept() {
    request_.range =
        basicOnly_->isChecked() ? tk73pgm::ImportRange::BasicOnly : tk73pgm::ImportRange::AllData;
    QDialog::accept();
}
