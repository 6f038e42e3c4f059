#include "apps/detailtool/ui/select_files_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "apps/detailtool/detail_texts.h"
#include "apps/detailtool/file_rows.h"
#include "apps/detailtool/file_transfer.h"
#include "base/ui/ui_text.h"

namespace tk73dtl {

SelectFilesDialog::SelectFilesDialog(const DetailContext& context, bool receive, QWidget* parent)
    : QDialog(parent),
      context_(context),
      receive_(receive),
      files_(new QListWidget(this)),
      ok_(nullptr) {
    setWindowTitle(QString::fromLatin1(kSelectFileTitle));
    for (const FileRow& row : readFileRows(context_.Definition())) {
        auto* item = new QListWidgetItem(
            tk73::toQString(fileNumberText(row.fileNo) + " " + row.title), files_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        fileNos_.push_back(row.fileNo);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    auto* preset = buttons->addButton(QString::fromLatin1(kPreset), QDialogButtonBox::ActionRole);
    auto* all = buttons->addButton(QString::fromLatin1(kSelectAll), QDialogButtonBox::ActionRole);
    auto* none =
        buttons->addButton(QString::fromLatin1(kDeselectAll), QDialogButtonBox::ActionRole);
    connect(preset, &QPushButton::clicked, this, [this] { Preset(); });
    connect(all, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(files_, &QListWidget::itemChanged, this,
            [this] { ok_->setEnabled(!CheckedFiles().empty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        const std::vector<uint32_t> files = CheckedFiles();
        transferFiles(context_, receive_, files);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(files_);
    column->addWidget(new QLabel(QString::fromLatin1(kSystemFilesHint), this));
    column->addWidget(new QLabel(QString::fromLatin1(kPluHint), this));
    column->addWidget(buttons);
}

std::vector<uint32_t> SelectFilesDialog::CheckedFiles() const {
    std::vector<uint32_t> files;
    for (int row = 0; row < files_->count(); ++row) {
        if (files_->item(row)->checkState() == Qt::Checked) {
            files.push_back(static_cast<uint32_t>(fileNos_[static_cast<size_t>(row)]));
        }
    }
    return files;
}

void SelectFilesDialog::CheckAll(bool checked) {
    for (int row = 0; row < files_->count(); ++row) {
        files_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void SelectFilesDialog::Preset() {
    const std::vector<uint32_t> preset = presetFiles(context_.Definition(), receive_);
    for (int row = 0; row < files_->count(); ++row) {
        const auto fileNo = static_cast<uint32_t>(fileNos_[static_cast<size_t>(row)]);
        const bool named = std::find(preset.begin(), preset.end(), fileNo) != preset.end();
        files_->item(row)->setCheckState(named ? Qt::Checked : Qt::Unchecked);
    }
}

}  // namespace tk73dtl
