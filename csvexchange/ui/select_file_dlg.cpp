#include "csvexchange/ui/select_file_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/help_manuals.h"
#include "storedb/ui/dialog_parts.h"

using tk73::toQString;

namespace {

enum Column { kFileNoColumn = 0, kNameColumn = 1 };
constexpr int kNameWidth = 280;

}  // namespace

CSelectFileDlg::CSelectFileDlg(tk73xch::FileSelectRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), files_(new QTreeWidget) {
    setWindowTitle(toQString(tk73xch::FileSelectRequest::kTitle));
    files_->setObjectName(QStringLiteral("files"));
    files_->setRootIsDecorated(false);
    files_->setSelectionBehavior(QAbstractItemView::SelectRows);
    files_->setHeaderLabels({QStringLiteral("File No."), QStringLiteral("File name")});
    // The number only carries the choice; the user sees the names.
    files_->header()->setSectionResizeMode(QHeaderView::Fixed);
    files_->setColumnWidth(kFileNoColumn, 0);
    files_->setColumnHidden(kFileNoColumn, true);
    files_->setColumnWidth(kNameColumn, kNameWidth);
    for (const tk73xch::FileSelectRow& row : request.rows) {
        auto* item = new QTreeWidgetItem(files_);
        item->setText(kFileNoColumn, QString::asprintf("%03d", row.fileNo));
        item->setText(kNameColumn, toQString(row.name));
        item->setCheckState(kNameColumn, Qt::Unchecked);
    }
    tk73storeui::widenFor(files_, kNameWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tk73storeui::promptLabel(tk73xch::FileSelectRequest::kPrompt));
    layout->addWidget(files_);
    layout->addWidget(tk73storeui::okCancelButtons(this));
    connect(files_, &QTreeWidget::itemDoubleClicked, this, &CSelectFileDlg::accept);
}

void CSelectFileDlg::accept() {
    const QTreeWidgetItem* row = files_->currentItem();
    if (row == nullptr || !row->isSelected()) {
        tk73::ui().message(tk73xch::FileSelectRequest::kNoSelection, tk73xch::kCsvCaption,
                           tk73::MessageIcon::Exclamation);
        return;
    }
    request_.fileNo = row->text(kFileNoColumn).toInt();
    QDialog::accept();
}

void CSelectFileDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Help) {
        (void)CTK73hlp().ShowHelpToolManual();  // tells the user itself when it cannot
        return;
    }
    QDialog::keyPressEvent(event);
}
