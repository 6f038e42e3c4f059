#include "apps/editors/framework/number_item.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"

namespace tk73editor {

namespace {

// Decimal places beyond this are no price or rate of a register.
constexpr int kMostDecimals = 8;

bool isDigit(QChar c, bool hexadecimal) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') ||
           (hexadecimal && ((u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f')));
}

}  // namespace

NumberItem::NumberItem(QWidget* page, int menuNo, int itemNo, int record, Places places)
    : PageItem(menuNo, itemNo, record),
      field_(new QLineEdit(page)),
      rangeNote_(new QLabel(page)),
      page_(page),
      places_(places) {
    rangeNote_->hide();
    QObject::connect(field_, &QLineEdit::textEdited, field_, [this] { MarkEdited(); });
}

void NumberItem::SetRange(uint64_t lowest, uint64_t highest) {
    range_ = {lowest, highest};
}

void NumberItem::Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) {
    if (places_ == Places::FromMeaning && definition.nDataType == PGM_DATA_DIGIT &&
        definition.nMean > 0 && definition.nMean <= kMostDecimals &&
        definition.nMean < definition.nWidth) {
        decimals_ = definition.nMean;
    }
    // Room for every digit, a decimal point and nothing more.
    field_->setMaxLength(definition.nWidth + (decimals_ > 0 ? 1 : 0));
    const QString digit = definition.nDataType == PGM_DATA_HEX ? QStringLiteral("[0-9A-Fa-f]")
                                                               : QStringLiteral("[0-9]");
    QString pattern = QStringLiteral("%1{0,%2}").arg(digit).arg(definition.nWidth - decimals_);
    if (decimals_ > 0) {
        pattern += QStringLiteral("(\\.%1{0,%2})?").arg(digit).arg(decimals_);
    }
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field_));
    if (!range_) {
        range_ = context.GetItemRange(MenuNo(), ItemNo());
    }
    if (range_) {
        const QString note = tk73::toQString(fillTexts(
            editorText(EditorText::RangeNote),
            {tk73::fromQString(Format(range_->first)), tk73::fromQString(Format(range_->second))}));
        rangeNote_->setText(note);
        field_->setToolTip(note);
        // A note the page placed lies in the row beside the field and shows there; one it did
        // not (a field in a grid of records) stays hidden on the page where it was made: the
        // field's tool tip tells the range there.
        if (rangeNote_->parentWidget() != page_) {
            rangeNote_->show();
        }
    }
}

std::optional<uint64_t> NumberItem::Parse(const QString& text) const {
    const bool hexadecimal = Definition().nDataType == PGM_DATA_HEX;
    const QString trimmed = text.trimmed();
    const qsizetype point = decimals_ > 0 ? trimmed.indexOf('.') : -1;
    QString whole = point < 0 ? trimmed : trimmed.left(point);
    QString fraction = point < 0 ? QString() : trimmed.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty()) {
        return std::nullopt;
    }
    if (fraction.size() > decimals_) {
        return std::nullopt;
    }
    QString digits = whole + fraction.leftJustified(decimals_, '0');
    for (const QChar c : digits) {
        if (!isDigit(c, hexadecimal)) {
            return std::nullopt;
        }
    }
    // Leading zeros take no room in the item.
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove(0, 1);
    }
    if (digits.size() > Definition().nWidth) {
        return std::nullopt;
    }
    bool converted = false;
    const uint64_t value = digits.toULongLong(&converted, hexadecimal ? 16 : 10);
    if (!converted) {
        return std::nullopt;
    }
    if (range_ && (value < range_->first || value > range_->second)) {
        return std::nullopt;
    }
    return value;
}

bool NumberItem::IsValid() const {
    return !Edited() || Parse(field_->text()).has_value();
}

void NumberItem::Highlight() {
    field_->setFocus();
    field_->selectAll();
}

QString NumberItem::Format(uint64_t value) const {
    if (Definition().nDataType == PGM_DATA_HEX) {
        return QString::number(value, 16).toUpper();
    }
    QString digits = QString::number(value);
    if (decimals_ == 0) {
        return digits;
    }
    digits = digits.rightJustified(decimals_ + 1, '0');
    return digits.left(digits.size() - decimals_) + '.' + digits.right(decimals_);
}

void NumberItem::Show(const tagPGMITEMDATA& value) {
    field_->setText(Format(value.value));
}

tagPGMITEMDATA NumberItem::Collect() const {
    tagPGMITEMDATA value;
    value.value = Parse(field_->text()).value_or(0);
    return value;
}

}  // namespace tk73editor
