#include "apps/editors/item/ui/search_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QVBoxLayout>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/item/scanning_code.h"
#include "apps/editors/item/ui/item_texts.h"
#include "base/ui/ui_text.h"

namespace tk73item {

namespace {

// Memory numbers have at most five digits (99,999 records).
constexpr int kLargestMemoryNumber = 99999;

}  // namespace

SearchDialog::SearchDialog(Jump jump, FindNext findNext, QWidget* parent)
    : QDialog(parent),
      jumpOption_(new QRadioButton(jump == Jump::MemoryNumber ? itemQText(ItemText::MemoryJump)
                                                              : itemQText(ItemText::CodeJump))),
      nameOption_(new QRadioButton(itemQText(ItemText::SearchName))),
      jumpField_(new QLineEdit),
      nameField_(new QLineEdit),
      caseBox_(new QCheckBox(itemQText(ItemText::CaseSensitive))),
      backward_(new QRadioButton(itemQText(ItemText::Backward))),
      forward_(new QRadioButton(itemQText(ItemText::Forward))),
      findNextButton_(new QPushButton(itemQText(ItemText::FindNext))) {
    setWindowTitle(itemQText(ItemText::SearchTitle));
    if (jump == Jump::MemoryNumber) {
        jumpField_->setValidator(new QIntValidator(1, kLargestMemoryNumber, jumpField_));
    } else {
        jumpField_->setMaxLength(static_cast<int>(kTypedCodeLength));
    }

    auto* jumpLabel = new QLabel(jump == Jump::MemoryNumber ? itemQText(ItemText::MemoryNumber)
                                                            : itemQText(ItemText::ScanningCode));
    jumpLabel->setBuddy(jumpField_);
    auto* nameLabel = new QLabel(itemQText(ItemText::SearchString));
    nameLabel->setBuddy(nameField_);

    auto* mode = new QButtonGroup(this);
    mode->addButton(jumpOption_);
    mode->addButton(nameOption_);
    jumpOption_->setChecked(true);

    auto* direction = new QGroupBox(itemQText(ItemText::Direction));
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(backward_);
    directionLayout->addWidget(forward_);
    forward_->setChecked(true);

    auto* grid = new QGridLayout;
    grid->addWidget(jumpOption_, 0, 0);
    grid->addWidget(jumpLabel, 0, 1);
    grid->addWidget(jumpField_, 0, 2);
    grid->addWidget(nameOption_, 1, 0);
    grid->addWidget(nameLabel, 1, 1);
    grid->addWidget(nameField_, 1, 2);
    grid->addWidget(caseBox_, 2, 1);
    grid->addWidget(direction, 2, 2);
    grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QLatin1Char('0')) * 20);

    auto* cancel = new QPushButton(
        tk73::toQString(tk73editor::editorText(tk73editor::EditorText::CancelButton)));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNextButton_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    findNextButton_->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(jumpOption_, &QRadioButton::toggled, this, [this] { UpdateControls(); });
    connect(jumpField_, &QLineEdit::textChanged, this, [this] { UpdateControls(); });
    connect(nameField_, &QLineEdit::textChanged, this, [this] { UpdateControls(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(findNextButton_, &QPushButton::clicked, this,
            [this, findNext = std::move(findNext)] { findNext(Request()); });
    UpdateControls();
}

void SearchDialog::UpdateControls() {
    const bool jump = jumpOption_->isChecked();
    jumpField_->setEnabled(jump);
    nameField_->setEnabled(!jump);
    caseBox_->setEnabled(!jump);
    backward_->setEnabled(!jump);
    forward_->setEnabled(!jump);
    findNextButton_->setEnabled(!(jump ? jumpField_ : nameField_)->text().isEmpty());
}

SearchRequest SearchDialog::Request() const {
    SearchRequest request;
    request.jump = jumpOption_->isChecked();
    request.jumpText = tk73::fromQString(jumpField_->text());
    request.name.text = tk73::fromQString(nameField_->text());
    request.name.caseSensitive = caseBox_->isChecked();
    request.name.forward = forward_->isChecked();
    return request;
}

}  // namespace tk73item
