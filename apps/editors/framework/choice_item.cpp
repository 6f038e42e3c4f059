#include "apps/editors/framework/choice_item.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include <algorithm>

#include "base/ui/ui_text.h"

namespace tk73editor {

ChoiceItem::ChoiceItem(QWidget* page, Style style, std::vector<std::string> entries,
                       std::vector<int> builtInValues, int menuNo, int itemNo, int record)
    : PageItem(menuNo, itemNo, record),
      style_(style),
      entries_(std::move(entries)),
      values_(std::move(builtInValues)) {
    if (style_ == Style::DropDown) {
        list_ = new QComboBox(page);
        control_ = list_;
        QObject::connect(list_, &QComboBox::activated, list_, [this] { MarkEdited(); });
    } else {
        auto* group = new QGroupBox(page);
        group->setLayout(new QHBoxLayout);
        options_ = new QButtonGroup(group);
        control_ = group;
        QObject::connect(options_, &QButtonGroup::idClicked, group, [this] { MarkEdited(); });
    }
}

void ChoiceItem::SetFrameless() {
    if (auto* group = qobject_cast<QGroupBox*>(control_)) {
        group->setFlat(true);
        group->setStyleSheet(QStringLiteral("QGroupBox { border: 0; margin: 0; padding: 0; }"));
        group->layout()->setContentsMargins(0, 0, 0, 0);
    }
}

void ChoiceItem::Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) {
    std::vector<int> listed;
    if (context.GetValueList(MenuNo(), ItemNo(), listed)) {
        values_ = std::move(listed);
    }
    const size_t count = std::min(entries_.size(), values_.size());
    for (size_t entry = 0; entry < count; ++entry) {
        const QString text = tk73::toQString(entries_[entry]);
        if (list_ != nullptr) {
            list_->addItem(text);
        } else {
            auto* option = new QRadioButton(text);
            control_->layout()->addWidget(option);
            options_->addButton(option, static_cast<int>(entry));
        }
    }
    values_.resize(count);
}

QAbstractButton* ChoiceItem::OptionButton(int entry) const {
    return options_ != nullptr ? options_->button(entry) : nullptr;
}

int ChoiceItem::ChosenEntry() const {
    return list_ != nullptr ? list_->currentIndex() : options_->checkedId();
}

void ChoiceItem::ChooseEntry(int entry) {
    if (list_ != nullptr) {
        list_->setCurrentIndex(entry);
        return;
    }
    if (entry >= 0) {
        options_->button(entry)->setChecked(true);
        return;
    }
    // An exclusive group never lets go of its last checked button by itself.
    options_->setExclusive(false);
    for (QAbstractButton* option : options_->buttons()) {
        option->setChecked(false);
    }
    options_->setExclusive(true);
}

void ChoiceItem::Show(const tagPGMITEMDATA& value) {
    const auto found = std::find_if(values_.begin(), values_.end(), [&](int listed) {
        return listed >= 0 && static_cast<uint64_t>(listed) == value.value;
    });
    ChooseEntry(found == values_.end() ? -1 : static_cast<int>(found - values_.begin()));
}

bool ChoiceItem::IsValid() const {
    if (!Edited()) {
        return true;
    }
    const int entry = ChosenEntry();
    return entry >= 0 && static_cast<size_t>(entry) < values_.size() &&
           values_[static_cast<size_t>(entry)] >= 0;
}

tagPGMITEMDATA ChoiceItem::Collect() const {
    tagPGMITEMDATA value;
    const int entry = ChosenEntry();
    if (entry >= 0 && static_cast<size_t>(entry) < values_.size()) {
        value.value = static_cast<uint64_t>(values_[static_cast<size_t>(entry)]);
    }
    return value;
}

}  // namespace tk73editor
