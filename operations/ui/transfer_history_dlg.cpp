#include "operations/ui/transfer_history_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/row_list.h"
#include "base/ui/ui_text.h"

namespace {

using Result = tk73ops::TransferHistoryRequest::Result;
constexpr int kResultColumn = 3;

}  // namespace

CTransferHistoryDlg::CTransferHistoryDlg(tk73ops::TransferHistoryRequest& request, QWidget* parent)
    : QDialog(parent),
      request_(request),
      register_(new QComboBox(this)),
      result_(new QComboBox(this)),
      table_(new QTreeWidget(this)),
      retry_(new QPushButton(QStringLiteral("Retry failed"), this)) {
    setWindowTitle(tk73::toQString(request.title()));
    register_->setObjectName(QStringLiteral("register"));
    result_->setObjectName(QStringLiteral("result"));
    table_->setObjectName(QStringLiteral("transfers"));
    result_->addItem(QStringLiteral("All results"), static_cast<int>(Result::Any));
    result_->addItem(QStringLiteral("Done"), static_cast<int>(Result::Done));
    result_->addItem(QStringLiteral("Failed"), static_cast<int>(Result::Failed));
    QStringList columns;
    for (const std::string& column : tk73ops::TransferHistoryRequest::columns()) {
        columns << tk73::toQString(column);
    }
    tk73::setUpRowList(table_, columns);
    table_->setAlternatingRowColors(true);
    connect(register_, &QComboBox::currentIndexChanged, this, [this](int index) {
        request_.chooseRegister(index - 1);
        ShowEntries();
    });
    connect(result_, &QComboBox::currentIndexChanged, this, [this] {
        request_.chooseResult(static_cast<Result>(result_->currentData().toInt()));
        ShowEntries();
    });
    connect(retry_, &QPushButton::clicked, this, [this] { RetryFailed(); });
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Register:"), this));
    filters->addWidget(register_, 1);
    filters->addWidget(new QLabel(QStringLiteral("Result:"), this));
    filters->addWidget(result_);
    filters->addStretch();
    filters->addWidget(retry_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTransferHistoryDlg::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    FillRegisters();
    ShowEntries();
    resize(900, 420);
}

void CTransferHistoryDlg::FillRegisters() {
    const QSignalBlocker quiet(register_);
    const int chosen = register_->currentIndex();
    register_->clear();
    register_->addItem(QStringLiteral("All registers"));
    for (const std::string& choice : request_.registerChoices()) {
        register_->addItem(tk73::toQString(choice));
    }
    register_->setCurrentIndex(chosen > 0 && chosen < register_->count() ? chosen : 0);
    request_.chooseRegister(register_->currentIndex() - 1);
}

void CTransferHistoryDlg::ShowEntries() {
    table_->clear();
    for (const tk73ops::TransferLogEntry& entry : request_.shown()) {
        auto* item = new QTreeWidgetItem(table_);
        const std::vector<std::string> texts = tk73ops::TransferHistoryRequest::rowTexts(entry);
        for (size_t column = 0; column < texts.size(); ++column) {
            item->setText(static_cast<int>(column), tk73::toQString(texts[column]));
        }
        if (!entry.done) {
            item->setForeground(kResultColumn, QColor(Qt::darkRed));
        }
    }
    tk73::fitColumnsToContents(table_);
    retry_->setEnabled(request_.canRetry());
}

void CTransferHistoryDlg::RetryFailed() {
    request_.retryFailed();
    FillRegisters();
    ShowEntries();
}
