#include "storedb/ui/setting_store_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/ui/ui_text.h"
#include "storedb/help_manuals.h"
#include "storedb/ui/dialog_parts.h"

using tk73::toQString;

namespace {

QPushButton* button(const char* text, const char* name) {
    auto* result = new QPushButton(QString::fromLatin1(text));
    result->setObjectName(QString::fromLatin1(name));
    result->setAutoDefault(false);
    return result;
}

}  // namespace

CVekSettingStoreDlg::CVekSettingStoreDlg(tk73store::StoreListSetting& setting, QWidget* parent)
    : QDialog(parent), setting_(setting), list_(new QTreeWidget) {
    setWindowTitle(toQString(tk73store::kStoreListCaption));
    list_->setObjectName(QStringLiteral("stores"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("No."), QStringLiteral("Store name"),
                            QStringLiteral("Branch"), QStringLiteral("ECR model"),
                            QStringLiteral("VEK model"), QStringLiteral("Comment")});
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(560, 240);

    auto* newStore = button("New", "new");
    modify_ = button("Modify", "modify");
    copy_ = button("Copy", "copy");
    remove_ = button("Remove", "remove");
    auto* help = button("Help", "help");
    auto* cancel = button("Cancel", "cancel");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {newStore, modify_, copy_, remove_}) {
        buttons->addWidget(each);
    }
    buttons->addSpacing(12);
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    using Setting = tk73store::StoreListSetting;
    connect(newStore, &QPushButton::clicked, this,
            [this] { change([](Setting& s, int) { return s.newStore(); }, false); });
    connect(modify_, &QPushButton::clicked, this,
            [this] { change([](Setting& s, int store) { return s.modifyStore(store); }, true); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this] { change([](Setting& s, int store) { return s.modifyStore(store); }, true); });
    connect(copy_, &QPushButton::clicked, this,
            [this] { change([](Setting& s, int store) { return s.copyStore(store); }, true); });
    connect(remove_, &QPushButton::clicked, this, [this] {
        const int row = list_->currentIndex().row();
        if (setting_.removeStore(selectedStore())) {
            const auto& rows = setting_.rows();
            refill(rows.empty() ? 0 : rows[std::min<size_t>(row, rows.size() - 1)].storeNo);
        }
    });
    // The user reads it when the manual cannot be shown.
    connect(help, &QPushButton::clicked, this, [] { (void)CTK73hlp().ShowHelpToolManual(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
    refill(setting_.rows().empty() ? 0 : setting_.rows().front().storeNo);
}

int CVekSettingStoreDlg::selectedStore() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item != nullptr ? item->data(0, Qt::UserRole).toInt() : 0;
}

void CVekSettingStoreDlg::change(const Change& operation, bool needsStore) {
    const int store = selectedStore();
    if (needsStore && store == 0) {
        return;
    }
    const int changed = operation(setting_, store);
    refill(changed != 0 ? changed : store);
}

void CVekSettingStoreDlg::refill(int selectStoreNo) {
    list_->clear();
    for (const tk73store::StoreListRow& row : setting_.rows()) {
        auto* item =
            new QTreeWidgetItem(list_, {QString::number(row.storeNo), toQString(row.storeName),
                                        toQString(row.branchName), toQString(row.registerModel),
                                        toQString(row.vekModel), toQString(row.comment)});
        item->setData(0, Qt::UserRole, row.storeNo);
        if (row.storeNo == selectStoreNo) {
            list_->setCurrentItem(item);
        }
    }
    // Every column shows its texts whole, the last one (which stretches) too, and the list is as
    // wide as its columns.
    const QAbstractItemView* view = list_;
    int width = 0;
    for (int column = 0; column < list_->columnCount(); ++column) {
        list_->resizeColumnToContents(column);
        width +=
            std::max(view->sizeHintForColumn(column), list_->header()->sectionSizeHint(column));
    }
    tk73storeui::widenFor(list_, width);
    updateButtons();
}

void CVekSettingStoreDlg::updateButtons() {
    const bool selected = list_->currentItem() != nullptr;
    modify_->setEnabled(selected);
    copy_->setEnabled(selected);
    remove_->setEnabled(selected);
}
