#include "storedb/ui/select_store_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "storedb/ui/dialog_parts.h"

using tk73::toQString;

namespace {

QListWidget* numberedList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumSize(200, 180);
    return list;
}

void addNumbered(QListWidget* list, int number, const std::string& name) {
    auto* item = new QListWidgetItem(toQString(name), list);
    item->setData(Qt::UserRole, number);
}

}  // namespace

CSelectStoreDlg::CSelectStoreDlg(tk73store::StoreSelection& selection, QWidget* parent)
    : QDialog(parent),
      selection_(selection),
      branches_(numberedList("branches")),
      stores_(numberedList("stores")) {
    setWindowTitle(QStringLiteral("Select store"));
    auto* branchLabel = new QLabel(QStringLiteral("Branch"));
    branchLabel->setBuddy(branches_);
    auto* storeLabel = new QLabel(QStringLiteral("Store"));
    storeLabel->setBuddy(stores_);
    auto* lists = new QGridLayout;
    lists->addWidget(branchLabel, 0, 0);
    lists->addWidget(storeLabel, 0, 1);
    lists->addWidget(branches_, 1, 0);
    lists->addWidget(stores_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(tk73storeui::okCancelButtons(this));

    for (const tk73store::BranchChoiceEntry& branch : selection.branches()) {
        addNumbered(branches_, branch.branchNo, branch.name);
        if (branch.branchNo == selection.branchNo()) {
            branches_->setCurrentRow(branches_->count() - 1);
        }
    }
    if (branches_->currentRow() < 0) {
        branches_->setCurrentRow(0);
    }
    fillStores(selection.storeNo());
    connect(branches_, &QListWidget::currentRowChanged, this, [this] { fillStores(0); });
    connect(stores_, &QListWidget::itemDoubleClicked, this, &CSelectStoreDlg::accept);
}

int CSelectStoreDlg::numberOf(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toInt() : EDB_NO_STORE;
}

void CSelectStoreDlg::fillStores(int selectStoreNo) {
    stores_->clear();
    for (const tk73store::StoreChoiceEntry& store : selection_.storesOf(numberOf(branches_))) {
        addNumbered(stores_, store.storeNo, store.name);
        if (store.storeNo == selectStoreNo) {
            stores_->setCurrentRow(stores_->count() - 1);
        }
    }
    if (stores_->currentRow() < 0 && stores_->count() > 0) {
        stores_->setCurrentRow(0);
    }
    tk73storeui::widenFor(stores_, stores_->sizeHintForColumn(0));
}

void CSelectStoreDlg::accept() {
    if (selection_.accept(numberOf(branches_), numberOf(stores_))) {
        QDialog::accept();
    }
}
