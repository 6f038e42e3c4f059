#include "storedb/ui/conn_type_ip_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/connection_type.h"
#include "storedb/machine_list.h"
#include "storedb/ui/dialog_parts.h"

namespace {

constexpr const char* kTitle = "IP Address";

}  // namespace

CVekConfigConnTypeIpDlg::CVekConfigConnTypeIpDlg(std::optional<uint32_t> preset, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit) {
    setWindowTitle(tk73::toQString(kTitle));
    field_->setObjectName(QStringLiteral("ipAddress"));
    // Four fields of up to three digits, as the user types them; the values are checked on OK.
    field_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,3}(\\.\\d{0,3}){0,3}")), field_));
    field_->setPlaceholderText(QStringLiteral("0.0.0.0"));
    field_->setMinimumWidth(
        field_->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")) + 80);
    if (preset) {
        field_->setText(tk73::toQString(tk73store::ipAddressText(*preset)));
        // Typing replaces the preset address; the arrow keys keep it for editing.
        field_->selectAll();
    }
    auto* label = new QLabel(QStringLiteral("Enter IP address"));
    label->setBuddy(field_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(tk73storeui::okCancelButtons(this));
}

void CVekConfigConnTypeIpDlg::accept() {
    const std::string typed = tk73::fromQString(field_->text().trimmed());
    const std::optional<uint32_t> address = tk73store::parseIpAddress(typed);
    if (!address) {
        // An address that is no address is named below the prompt, so the user sees what is wrong.
        tk73::ui().message(typed.empty() ? "Enter IP address." : "Enter IP address.\n" + typed,
                           kTitle, tk73::MessageIcon::Error);
        field_->setFocus();
        return;
    }
    address_ = *address;
    QDialog::accept();
}
