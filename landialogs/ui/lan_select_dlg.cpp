#include "landialogs/ui/lan_select_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "landialogs/ui/lan_machine_list.h"

CLanSelectDlg::CLanSelectDlg(const std::string& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tk73::toQString(title.empty() ? "Select target machine" : title));
}

CLanSelectDlg::CLanSelectDlg(tk73lan::LanSelectRequest& request, QWidget* parent)
    : CLanSelectDlg(request.title(), parent) {
    single_ = &request;
    first_ = new CLanMachineList(request, this);
    Finish(first_, request);
    resize(request.previewing() ? 560 : 440, 300);
}

CLanSelectDlg::CLanSelectDlg(tk73lan::LanSelectPairRequest& request, QWidget* parent)
    : CLanSelectDlg(request.title(), parent) {
    pair_ = &request;
    auto* body = new QWidget(this);
    auto* lists = new QVBoxLayout(body);
    lists->setContentsMargins(0, 0, 0, 0);
    auto* controllers = new QGroupBox(QStringLiteral("VEK"), body);
    auto* registers = new QGroupBox(QStringLiteral("ECR"), body);
    first_ = new CLanMachineList(request.controllers(), controllers);
    second_ = new CLanMachineList(request.registers(), registers);
    (new QVBoxLayout(controllers))->addWidget(first_);
    (new QVBoxLayout(registers))->addWidget(second_);
    lists->addWidget(controllers);
    lists->addWidget(registers);
    Finish(body, request.registers());
    resize(480, 520);
}

void CLanSelectDlg::Finish(QWidget* body, const tk73lan::LanSelectRequest& work) {
    auto* heading = new QLabel(tk73::toQString(work.workTitle()), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLanSelectDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLanSelectDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(tk73::toQString(work.listCaption()), this));
    layout->addWidget(body, 1);
    if (single_ != nullptr && single_->previewing()) {
        changedOnly_ = new QCheckBox(QStringLiteral("Send only the files that changed"), this);
        changedOnly_->setChecked(single_->sendChangedOnly());
        connect(changedOnly_, &QCheckBox::clicked, this,
                [this](bool on) { single_->chooseChangedOnly(on); });
        // Until the user chooses, the box follows the registers checked.
        connect(first_, &CLanMachineList::ChecksChanged, this,
                [this] { changedOnly_->setChecked(single_->sendChangedOnly()); });
        layout->addWidget(changedOnly_);
    }
    layout->addWidget(buttons);
}

void CLanSelectDlg::accept() {
    first_->TakeChecks();
    if (second_ != nullptr) {
        second_->TakeChecks();
    }
    const bool chosen = single_ != nullptr ? !single_->chosen().empty() : pair_->anythingChosen();
    if (!chosen) {
        tk73::ui().message(single_ != nullptr ? single_->nothingChosenPrompt()
                                              : tk73lan::LanSelectPairRequest::kNothingChosenPrompt,
                           tk73::fromQString(windowTitle()), tk73::MessageIcon::Exclamation);
        return;
    }
    QDialog::accept();
}
