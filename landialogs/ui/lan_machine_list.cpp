#include "landialogs/ui/lan_machine_list.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"

namespace {

constexpr int kAddressWidth = 120;
constexpr int kMachineWidth = 140;

}  // namespace

CLanMachineList::CLanMachineList(tk73lan::LanSelectRequest& request, QWidget* parent)
    : QWidget(parent), request_(request), list_(new QTreeWidget(this)) {
    QStringList columns{QStringLiteral("IP address")};
    if (request.controller()) {
        columns << QStringLiteral("Machine No.");
    }
    list_->setHeaderLabels(columns);
    list_->setRootIsDecorated(false);
    list_->header()->resizeSection(0, kAddressWidth);
    if (request.controller()) {
        list_->header()->resizeSection(1, kMachineWidth);
    }
    auto* again = new QPushButton(QStringLiteral("Search again"), this);
    auto* all = new QPushButton(QStringLiteral("Select all"), this);
    auto* none = new QPushButton(QStringLiteral("Un select all"), this);
    again->setEnabled(request.searchAllowed());
    connect(again, &QPushButton::clicked, this, [this] { Search(true); });
    connect(all, &QPushButton::clicked, this, [this] {
        request_.checkAll(true);
        ShowMachines();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        request_.checkAll(false);
        ShowMachines();
    });
    auto* side = new QVBoxLayout;
    side->addWidget(again);
    side->addWidget(all);
    side->addWidget(none);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    ShowMachines();
    QTimer::singleShot(0, this, [this] { Search(false); });
}

void CLanMachineList::Search(bool again) {
    TakeChecks();
    setCursor(Qt::WaitCursor);
    request_.search(again);
    unsetCursor();
    ShowMachines();
}

void CLanMachineList::ShowMachines() {
    list_->clear();
    for (const tk73lan::LanMachine& machine : request_.machines()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, tk73::toQString(machine.address));
        if (request_.controller()) {
            item->setText(
                1, tk73::toQString(machine.machineNo.empty() ? "(Unknown)" : machine.machineNo));
        }
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, machine.checked ? Qt::Checked : Qt::Unchecked);
    }
}

void CLanMachineList::TakeChecks() {
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        request_.check(static_cast<size_t>(row),
                       list_->topLevelItem(row)->checkState(0) == Qt::Checked);
    }
}
