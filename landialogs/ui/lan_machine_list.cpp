#include "landialogs/ui/lan_machine_list.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "base/ui/ui_text.h"
#include "landialogs/lan_discovery.h"
#include "landialogs/ui/lan_changes_dlg.h"

namespace {

constexpr int kAddressWidth = 120;
constexpr int kMachineWidth = 140;
constexpr const char* kChangesColumn = "Changed records";

}  // namespace

CLanMachineList::CLanMachineList(tk73lan::LanSelectRequest& request, QWidget* parent)
    : QWidget(parent),
      request_(request),
      list_(new QTreeWidget(this)),
      again_(new QPushButton(QStringLiteral("Search again"), this)),
      busy_(new QProgressBar(this)) {
    QStringList columns{QStringLiteral("IP address")};
    if (request.controller()) {
        columns << QStringLiteral("Machine No.");
    }
    if (request.previewing()) {
        columns << QString::fromLatin1(kChangesColumn);
    }
    list_->setHeaderLabels(columns);
    list_->setRootIsDecorated(false);
    list_->header()->resizeSection(0, kAddressWidth);
    if (request.controller()) {
        list_->header()->resizeSection(1, kMachineWidth);
    }
    auto* all = new QPushButton(QStringLiteral("Select all"), this);
    auto* none = new QPushButton(QStringLiteral("Un select all"), this);
    again_->setEnabled(request.searchAllowed());
    connect(again_, &QPushButton::clicked, this, [this] { Search(true); });
    connect(all, &QPushButton::clicked, this, [this] {
        request_.checkAll(true);
        ShowMachines();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        request_.checkAll(false);
        ShowMachines();
    });
    auto* side = new QVBoxLayout;
    side->addWidget(again_);
    side->addWidget(all);
    side->addWidget(none);
    if (request.previewing()) {
        changes_ = new QPushButton(QStringLiteral("Changes..."), this);
        connect(changes_, &QPushButton::clicked, this, [this] { ShowChanges(); });
        side->addWidget(changes_);
    }
    connect(list_, &QTreeWidget::itemChanged, this, [this] {
        TakeChecks();
        emit ChecksChanged();
    });
    side->addStretch();
    busy_->setObjectName(QStringLiteral("searching"));
    busy_->setRange(0, 0);
    busy_->setTextVisible(false);
    busy_->hide();
    side->addWidget(busy_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    ShowMachines();
    QTimer::singleShot(0, this, [this] { Search(false); });
}

CLanMachineList::~CLanMachineList() {
    if (search_ != nullptr) {
        search_->wait();
    }
}

void CLanMachineList::Search(bool again) {
    if (search_ != nullptr) {
        return;
    }
    TakeChecks();
    const std::vector<std::string> targets = request_.searchTargets(again);
    if (targets.empty()) {
        return;
    }
    const bool controller = request_.controller();
    search_.reset(QThread::create(
        [this, controller, targets] { answers_ = tk73lan::searchMachines(controller, targets); }));
    connect(search_.get(), &QThread::finished, this, [this, again] {
        // Told just before the thread ends: it is let end before it goes.
        search_->wait();
        search_.reset();
        busy_->hide();
        again_->setEnabled(true);
        // The checks the user changed meanwhile stay.
        TakeChecks();
        request_.takeAnswers(answers_, again);
        ShowMachines();
    });
    again_->setEnabled(false);
    busy_->show();
    search_->start();
}

void CLanMachineList::ShowMachines() {
    // Filling the list is no change of the user's.
    const QSignalBlocker quiet(list_);
    const int current = std::max(list_->indexOfTopLevelItem(list_->currentItem()), 0);
    list_->clear();
    for (size_t index = 0; index < request_.machines().size(); ++index) {
        const tk73lan::LanMachine& machine = request_.machines()[index];
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, tk73::toQString(machine.address));
        if (request_.controller()) {
            item->setText(
                1, tk73::toQString(machine.machineNo.empty() ? "(Unknown)" : machine.machineNo));
        }
        if (request_.previewing()) {
            item->setText(1,
                          tk73::toQString(tk73lan::changedRecordsText(request_.changesOf(index))));
        }
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, machine.checked ? Qt::Checked : Qt::Unchecked);
    }
    // The row the user was on stays current ("Changes..." lists its register).
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(
            list_->topLevelItem(std::min(current, list_->topLevelItemCount() - 1)));
    }
    if (changes_ != nullptr) {
        changes_->setEnabled(list_->topLevelItemCount() > 0);
    }
    emit ChecksChanged();
}

void CLanMachineList::ShowChanges() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) {
        return;
    }
    const size_t index = static_cast<size_t>(row);
    CLanChangesDlg(request_.machines()[index].address, request_.changesOf(index), this).exec();
}

void CLanMachineList::TakeChecks() {
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        request_.check(static_cast<size_t>(row),
                       list_->topLevelItem(row)->checkState(0) == Qt::Checked);
    }
}
