#include "apps/dataeditor/ui/range_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace tk73edit {

namespace {

// A record number box that passes over the commas of a typed number ("1,234").
class RecordBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& pos) const override {
        QString plain = text;
        plain.remove(QLatin1Char(','));
        int plainPos = pos;
        return QSpinBox::validate(plain, plainPos);
    }
    int valueFromText(const QString& text) const override {
        QString plain = text;
        plain.remove(QLatin1Char(','));
        return QSpinBox::valueFromText(plain);
    }
};

// The typed number when it lies in the box's range.
bool takeNumber(const QSpinBox* box, int& out) {
    QString plain = box->text();
    plain.remove(QLatin1Char(','));
    bool number = false;
    out = plain.trimmed().toInt(&number);
    return number && out >= box->minimum() && out <= box->maximum();
}

}  // namespace

RangeDialog::RangeDialog(int recordCount, int currentRecord, QWidget* parent)
    : QDialog(parent), start_(new RecordBox), end_(new RecordBox) {
    setWindowTitle(QStringLiteral("Select range Paste"));
    for (QSpinBox* box : {start_, end_}) {
        box->setRange(1, recordCount);
        box->setValue(currentRecord);
    }
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("start:"), start_);
    form->addRow(QStringLiteral("End:"), end_);
    auto* paste = new QPushButton(QStringLiteral("Paste"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    paste->setDefault(true);
    connect(paste, &QPushButton::clicked, this, &RangeDialog::Paste);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(paste);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void RangeDialog::Paste() {
    int first = 0;
    int last = 0;
    if (!takeNumber(start_, first)) {
        start_->setFocus();
        return;
    }
    if (!takeNumber(end_, last)) {
        end_->setFocus();
        return;
    }
    if (last < first) {
        std::swap(first, last);
    }
    first_ = first;
    last_ = last;
    accept();
}

}  // namespace tk73edit
