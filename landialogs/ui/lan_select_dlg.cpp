#include "landialogs/ui/lan_select_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "base/user_interaction.h"

namespace {

constexpr int kAddressWidth = 120;
constexpr int kMachineWidth = 140;

}  // namespace

CLanSelectDlg::CLanSelectDlg(tk73lan::LanSelectRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), list_(new QTreeWidget(this)) {
    setWindowTitle(
        tk73::toQString(request.title().empty() ? "Select target machine" : request.title()));
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanSelectDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLanSelectDlg::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(again);
    side->addWidget(all);
    side->addWidget(none);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    resize(420, 300);
    ShowMachines();
    QTimer::singleShot(0, this, [this] { Search(false); });
}

void CLanSelectDlg::Search(bool again) {
    TakeChecks();
    setCursor(Qt::WaitCursor);
    request_.search(again);
    unsetCursor();
    ShowMachines();
}

void CLanSelectDlg::ShowMachines() {
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

void CLanSelectDlg::TakeChecks() {
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        request_.check(static_cast<size_t>(row),
                       list_->topLevelItem(row)->checkState(0) == Qt::Checked);
    }
}

void CLanSelectDlg::accept() {
    TakeChecks();
    if (request_.chosen().empty()) {
        tk73::ui().message(request_.nothingChosenPrompt(), tk73::fromQString(windowTitle()),
                           tk73::MessageIcon::Exclamation);
        return;
    }
    QDialog::accept();
}
