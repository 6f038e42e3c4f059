#include "apps/editors/tax/tax_rate_item.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace tk73tax {

namespace {

constexpr int kIntegerDigits = 4;
constexpr int kDecimals = 4;
constexpr uint64_t kScale = 10000;
// Four digits, the point and four decimals.
constexpr int kFieldLength = kIntegerDigits + 1 + kDecimals;

bool onlyDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

TaxRateItem::TaxRateItem(QWidget* page, int menuNo, int itemNo, int record)
    : PageItem(menuNo, itemNo, record), field_(new QLineEdit(page)) {
    field_->setMaxLength(kFieldLength);
    // The field takes what a rate can be made of as it is typed or pasted: up to four digits, a
    // point and up to four decimals.
    field_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(
            QStringLiteral("[0-9]{0,%1}(\\.[0-9]{0,%2})?").arg(kIntegerDigits).arg(kDecimals)),
        field_));
    field_->setAlignment(Qt::AlignRight);
    // Room for the longest rate the field takes.
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QString(kFieldLength, '0')) +
                            2 * field_->fontMetrics().averageCharWidth() + 8);
    QObject::connect(field_, &QLineEdit::textEdited, field_, [this] { MarkEdited(); });
}

std::optional<uint64_t> TaxRateItem::Parse(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf('.');
    const QString whole = point < 0 ? trimmed : trimmed.left(point);
    const QString fraction = point < 0 ? QString() : trimmed.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > kIntegerDigits ||
        fraction.size() > kDecimals || !onlyDigits(whole) || !onlyDigits(fraction)) {
        return std::nullopt;
    }
    const uint64_t integer = whole.isEmpty() ? 0 : whole.toULongLong();
    const uint64_t decimals =
        fraction.isEmpty() ? 0 : fraction.leftJustified(kDecimals, '0').toULongLong();
    return integer * kScale + decimals;
}

QString TaxRateItem::Format(uint64_t value) {
    return QString::number(value / kScale) + '.' +
           QString::number(value % kScale).rightJustified(kDecimals, '0');
}

void TaxRateItem::Prepare(tk73editor::PgmMenuContext& context, const tagPGMITEMDEF& definition) {
    // A rate must also fit the digits the file gives it.
    largest_ = 0;
    for (int digit = 0; digit < definition.nWidth && digit < 19; ++digit) {
        largest_ = largest_ * 10 + 9;
    }
}

bool TaxRateItem::IsValid() const {
    if (!Edited()) {
        return true;
    }
    const std::optional<uint64_t> value = Parse(field_->text());
    return value.has_value() && *value <= largest_;
}

void TaxRateItem::Show(const tagPGMITEMDATA& value) {
    shown_ = value.value;
    field_->setText(Format(value.value));
}

void TaxRateItem::ShowReadValueAgain() {
    field_->setText(Format(shown_));
}

tagPGMITEMDATA TaxRateItem::Collect() const {
    tagPGMITEMDATA value;
    value.value = Parse(field_->text()).value_or(shown_);
    return value;
}

}  // namespace tk73tax
