#include "apps/editors/framework/text_item.h"

#include <QStringList>

#include <algorithm>

#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"
#include "platform/double_byte.h"

namespace tk73editor {

namespace {

// Characters a field makes room for, and the room of its frame and margins.
constexpr int kWidestShown = 48;
constexpr int kFieldMargins = 12;

// The text cut to at most width bytes, never inside a double-byte character.
std::string cutToWidth(const std::string& text, size_t width) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + tk73::characterLength(text, end);
        if (next > width) {
            break;
        }
        end = next;
    }
    return text.substr(0, end);
}

// Turns every double quote of the field into a blank, the cursor staying where it was; whether
// there was one.
bool replaceQuotes(QLineEdit& field) {
    QString text = field.text();
    if (!text.contains('"')) {
        return false;
    }
    const int cursor = field.cursorPosition();
    field.setText(text.replace('"', ' '));
    field.setCursorPosition(cursor);
    return true;
}

}  // namespace

TextItem::TextItem(QWidget* page, int menuNo, int itemNo, int record)
    : PageItem(menuNo, itemNo, record), field_(new QLineEdit(page)) {
    QObject::connect(field_, &QLineEdit::textEdited, field_, [this] { TextEdited(); });
}

void TextItem::Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) {
    width_ = static_cast<size_t>(definition.nWidth);
    // Wide enough for a full text of capitals (register texts mostly are), up to a long line.
    const int shown = std::min(definition.nWidth, kWidestShown);
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QString(shown, 'X')) +
                            kFieldMargins);
}

void TextItem::Show(const tagPGMITEMDATA& value) {
    const size_t end = value.text.find_last_not_of(' ');
    field_->setText(tk73::toQString(end == std::string::npos
                                        ? std::string_view()
                                        : std::string_view(value.text).substr(0, end + 1)));
}

void TextItem::TextEdited() {
    const bool quoted = replaceQuotes(*field_);
    const QString unprintable =
        tk73::takeOutRefused(*field_, [this](char32_t c) { return !codePage_.holds(c); });
    const std::string bytes = tk73::fromQString(field_->text());
    const std::string fitting = cutToWidth(bytes, width_);
    if (fitting.size() != bytes.size()) {
        const int cursor = field_->cursorPosition();
        field_->setText(tk73::toQString(fitting));
        field_->setCursorPosition(std::min(cursor, static_cast<int>(field_->text().size())));
    }
    MarkEdited();
    // The notes leave the focus in the field, so that what the user types next still arrives.
    QStringList notes;
    if (quoted) {
        notes << tk73::toQString(editorText(EditorText::QuoteReplaced));
    }
    if (!unprintable.isEmpty()) {
        notes << tk73::toQString(editorText(EditorText::UnprintableCharacter))
                     .replace(QStringLiteral("%s"), unprintable);
    }
    if (!notes.isEmpty()) {
        tk73::showFieldNote(*field_, notes.join('\n'));
    }
}

void TextItem::Highlight() {
    field_->setFocus();
    field_->selectAll();
}

tagPGMITEMDATA TextItem::Collect() const {
    tagPGMITEMDATA value;
    value.text = cutToWidth(tk73::fromQString(field_->text()), width_);
    return value;
}

}  // namespace tk73editor
