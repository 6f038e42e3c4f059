#include "storedb/ui/conn_type_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/machine_list.h"
#include "storedb/ui/conn_type_ip_dlg.h"

using tk73store::IpAddressList;

CVekConfigConnTypeDlg::CVekConfigConnTypeDlg(const tk73store::ConnectionType& connection,
                                             std::string caption, QWidget* parent)
    : QWidget(parent),
      caption_(std::move(caption)),
      addresses_(connection.addresses),
      auto_(new QRadioButton(QStringLiteral("Auto(&A)"))),
      manual_(new QRadioButton(QStringLiteral("Manual(&I)"))),
      list_(new QListWidget),
      add_(new QPushButton(QStringLiteral("Add"))),
      remove_(new QPushButton(QStringLiteral("Remove"))) {
    auto_->setObjectName(QStringLiteral("auto"));
    manual_->setObjectName(QStringLiteral("manual"));
    list_->setObjectName(QStringLiteral("addresses"));
    add_->setObjectName(QStringLiteral("add"));
    remove_->setObjectName(QStringLiteral("remove"));
    auto* autoNote = new QLabel(QStringLiteral("All machines are target in same LAN."));
    autoNote->setIndent(24);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    auto* manualRow = new QGridLayout;
    manualRow->setContentsMargins(24, 0, 0, 0);
    manualRow->addWidget(list_, 0, 0);
    manualRow->addLayout(buttons, 0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(auto_);
    layout->addWidget(autoNote);
    layout->addWidget(manual_);
    layout->addLayout(manualRow, 1);

    (connection.mode == tk73store::kConnectManual ? manual_ : auto_)->setChecked(true);
    refill(addresses_.count() > 0 ? 0 : -1);
    connect(manual_, &QRadioButton::toggled, this, [this] { updateControls(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { updateControls(); });
    connect(add_, &QPushButton::clicked, this, [this] { addAddress(); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeAddress(); });
    setTabOrder(auto_, manual_);
    setTabOrder(manual_, list_);
    setTabOrder(list_, add_);
    setTabOrder(add_, remove_);
}

tk73store::ConnectionType CVekConfigConnTypeDlg::connection() const {
    tk73store::ConnectionType connection;
    if (manual_->isChecked()) {
        connection.mode = tk73store::kConnectManual;
        connection.addresses = addresses_.addresses();
    }
    return connection;
}

void CVekConfigConnTypeDlg::addAddress() {
    std::optional<uint32_t> preset;
    const int row = list_->currentRow();
    if (row >= 0 && row < addresses_.count()) {
        preset = addresses_.addresses()[static_cast<size_t>(row)];
    }
    CVekConfigConnTypeIpDlg dialog(preset, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    switch (addresses_.add(dialog.address())) {
        case IpAddressList::AddResult::Added:
            refill(addresses_.count() - 1);
            break;
        case IpAddressList::AddResult::Duplicate:
            tk73::ui().message("Same IP address has already exist.", caption_,
                               tk73::MessageIcon::Error);
            break;
        case IpAddressList::AddResult::Full:
            break;
    }
}

void CVekConfigConnTypeDlg::removeAddress() {
    const int row = list_->currentRow();
    if (addresses_.removeAt(row)) {
        refill(std::min(row, addresses_.count() - 1));
    }
}

void CVekConfigConnTypeDlg::refill(int selectRow) {
    list_->clear();
    for (const uint32_t address : addresses_.addresses()) {
        list_->addItem(tk73::toQString(tk73store::ipAddressText(address)));
    }
    list_->setCurrentRow(selectRow);
    updateControls();
}

void CVekConfigConnTypeDlg::updateControls() {
    const bool manual = manual_->isChecked();
    list_->setEnabled(manual);
    add_->setEnabled(manual && !addresses_.isFull());
    remove_->setEnabled(manual && addresses_.count() > 0);
}
