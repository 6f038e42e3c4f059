#include "apps/detailtool/ui/target_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QTreeWidget>

#include "apps/detailtool/detail_texts.h"
#include "apps/detailtool/field_attribute.h"
#include "apps/detailtool/ui/display_dialog.h"
#include "apps/detailtool/ui/field_dialog.h"
#include "base/ui/ui_text.h"

namespace tk73dtl {

namespace {

QTreeWidget* twoColumns(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    return list;
}

}  // namespace

TargetDialog::TargetDialog(const CTK73defReg& definition, int fileNo, QWidget* parent)
    : QDialog(parent),
      definition_(definition),
      files_(twoColumns(this)),
      fields_(twoColumns(this)) {
    setWindowTitle(QString::fromLatin1(kTarget));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromLatin1(kFileList), this), 0, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(kField), this), 0, 1);
    grid->addWidget(files_, 1, 0);
    grid->addWidget(fields_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 2);
    connect(files_, &QTreeWidget::currentItemChanged, this, [this] { ShowFields(); });
    connect(files_, &QTreeWidget::itemActivated, this, [this] { EditDisplay(); });
    connect(fields_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { EditField(fields_->indexOfTopLevelItem(item)); });
    ReloadFiles(fileNo);
}

void TargetDialog::ReloadFiles(int fileNo) {
    rows_ = readFileRows(definition_);
    files_->clear();
    for (const FileRow& row : rows_) {
        auto* item = new QTreeWidgetItem(
            files_, {tk73::toQString(fileNumberText(row.fileNo)), tk73::toQString(row.title)});
        if (row.fileNo == fileNo) {
            files_->setCurrentItem(item);
        }
    }
    files_->resizeColumnToContents(0);
}

int TargetDialog::CurrentFileNo() const {
    const int index = files_->indexOfTopLevelItem(files_->currentItem());
    return index < 0 ? 0 : rows_[static_cast<size_t>(index)].fileNo;
}

void TargetDialog::ShowFields() {
    fieldRows_ = readFileFields(definition_, CurrentFileNo());
    fields_->clear();
    for (const FIELD_INFO& field : fieldRows_) {
        new QTreeWidgetItem(fields_, {tk73::toQString(fileNumberText(field.fieldNo)),
                                      tk73::toQString(field.title)});
    }
    fields_->resizeColumnToContents(0);
}

void TargetDialog::EditDisplay() {
    const int index = files_->indexOfTopLevelItem(files_->currentItem());
    if (index < 0) {
        return;
    }
    DisplayDialog dialog(definition_, rows_[static_cast<size_t>(index)], this);
    if (dialog.exec() == QDialog::Accepted) {
        ReloadFiles(CurrentFileNo());
    }
}

void TargetDialog::EditField(int row) {
    if (row < 0 || row >= static_cast<int>(fieldRows_.size())) {
        return;
    }
    FieldDialog dialog(definition_, CurrentFileNo(), fieldRows_[static_cast<size_t>(row)], this);
    if (dialog.exec() == QDialog::Accepted) {
        ShowFields();
    }
}

}  // namespace tk73dtl
