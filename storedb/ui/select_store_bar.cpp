#include "storedb/ui/select_store_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>

#include <algorithm>

#include "base/ui/ui_text.h"
#include "storedb/edb_store.h"
#include "storedb/select_store.h"
#include "storedb/ui/select_store_dlg.h"
#include "storedb/ui/store_names_view.h"

using tk73::toQString;

CSelectStoreBarBase::CSelectStoreBarBase(QWidget* parent, bool disabled, bool vekBar)
    : QWidget(parent), button_(new QToolButton), names_(new StoreNamesView) {
    setObjectName(QStringLiteral("storeBar"));
    button_->setObjectName(QStringLiteral("BtnSelect"));
    button_->setText(vekBar ? QStringLiteral("Select ALL") : QStringLiteral("Select"));
    button_->setEnabled(!disabled && !vekBar);
    names_->setObjectName(QStringLiteral("storeNames"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(button_);
    layout->addWidget(names_, 1);
    // A font taller than the bar's own would cut the button.
    setFixedHeight(std::max(kHeight, layout->sizeHint().height()));
    // A strip of its own colour, so that it reads as a bar above the window's contents.
    setBackgroundRole(QPalette::Midlight);
    setAutoFillBackground(true);
    connect(button_, &QToolButton::clicked, this, [this] { chooseStore(); });
    if (parent != nullptr) {
        parent->installEventFilter(this);
        fitToParent();
    }
    refresh();
}

void CSelectStoreBarBase::changeSelectedStore(int branchNo, int storeNo, int modelNo) {
    branchNo_ = branchNo;
    storeNo_ = storeNo;
    modelNo_ = modelNo;
    modelName_ = tk73store::modelViewName(0, modelNo);
    refresh();
}

QString CSelectStoreBarBase::shownNames() const {
    return names_->text();
}

void CSelectStoreBarBase::refresh() {
    STORE_EDB store;
    CTK73edbStore().GetStoreFromStoreNo(storeNo_, &store);
    const std::string branch = storeNo_ == EDB_NO_STORE ? "" : tk73store::branchName(branchNo_);
    names_->setText(QStringLiteral("Branch: %1    Store: %2    Model: %3")
                        .arg(toQString(branch), toQString(store.storeName), toQString(modelName_)));
    update();
}

void CSelectStoreBarBase::chooseStore() {
    tk73store::StoreSelection selection(tk73store::kSelectStoreFromBar, branchNo_, storeNo_, -1,
                                        false);
    CSelectStoreDlg dialog(selection, window());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (selection.branchNo() == branchNo_ && selection.storeNo() == storeNo_ &&
        selection.modelNo() == modelNo_) {
        return;
    }
    branchNo_ = selection.branchNo();
    storeNo_ = selection.storeNo();
    modelNo_ = selection.modelNo();
    modelName_ = selection.modelName();
    refresh();
    emit storeChanged();
}

bool CSelectStoreBarBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        fitToParent();
    }
    return QWidget::eventFilter(watched, event);
}

void CSelectStoreBarBase::fitToParent() {
    setGeometry(0, 0, parentWidget()->width(), height());
}
