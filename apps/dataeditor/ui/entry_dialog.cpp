#include "apps/dataeditor/ui/entry_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "apps/dataeditor/ui/typed_character.h"
#include "base/ui/ui_text.h"

namespace tk73edit {

namespace {

std::string withoutLeadingZeros(const std::string& value) {
    const size_t first = value.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : value.substr(first);
}

}  // namespace

EntryDialog::EntryDialog(const EditField& field, int record, const std::string& value,
                         QWidget* parent)
    : QDialog(parent), field_(field), value_(new QLineEdit) {
    char caption[300];
    std::snprintf(caption, sizeof(caption), "Enter %s", field.title.c_str());
    setWindowTitle(tk73::toQString(caption));
    char recordText[32] = {};
    if (record > 0) {
        std::snprintf(recordText, sizeof(recordText), "Record #%05d", record);
    }
    if (field.isPrice()) {
        value_->setMaxLength(field.width);
        value_->setText(tk73::toQString(withoutLeadingZeros(value)));
    } else {
        value_->setText(tk73::toQString(value));
    }
    connect(value_, &QLineEdit::textEdited, this, [this] { KeepTaken(); });
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QString(field.width, 'W')) +
                            value_->fontMetrics().averageCharWidth() * 2);
    value_->selectAll();

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* text, Answer answer) {
        auto* button = new QPushButton(QString::fromLatin1(text));
        connect(button, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            done(answer == Answer::Cancel ? QDialog::Rejected : QDialog::Accepted);
        });
        buttons->addWidget(button);
        return button;
    };
    addButton("<< Prev", Answer::Previous)->setEnabled(record > 0);
    addButton("Next >>", Answer::Next)->setEnabled(record > 0);
    addButton("Exit", Answer::Exit);
    addButton("OK", Answer::Ok)->setDefault(true);
    addButton("Cancel", Answer::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromLatin1(recordText)));
    layout->addWidget(value_);
    layout->addLayout(buttons);
}

void EntryDialog::KeepTaken() {
    const int cursor = value_->cursorPosition();
    TypedText typed(field_);
    QString kept;
    int keptBeforeCursor = 0;
    int position = 0;  // in UTF-16 units, as the cursor counts
    for (const uint character : value_->text().toUcs4()) {
        const QString taken = tk73::toQString(typed.take(character));
        kept += taken;
        if (position < cursor) {
            keptBeforeCursor += static_cast<int>(taken.size());
        }
        position += character > 0xFFFF ? 2 : 1;
    }
    if (kept != value_->text()) {
        value_->setText(kept);
        value_->setCursorPosition(keptBeforeCursor);
    }
    if (typed.refused()) {
        QApplication::beep();
    }
    typed.noteAt(*value_);
}

EntryDialog::Answer EntryDialog::Run() {
    answer_ = Answer::Cancel;
    exec();
    return answer_;
}

std::string EntryDialog::Value() const {
    return tk73::fromQString(value_->text());
}

}  // namespace tk73edit
