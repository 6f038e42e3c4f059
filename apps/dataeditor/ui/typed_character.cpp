#include "apps/dataeditor/ui/typed_character.h"

#include "apps/dataeditor/field_typing.h"
#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"

namespace tk73edit {

std::string TypedText::take(char32_t character) {
    const QString shown = QString::fromUcs4(&character, 1);
    if (!codePage_.holds(character)) {
        if (!unprintable_.contains(shown)) {
            unprintable_ += shown;
        }
        refused_ = true;
        return {};
    }
    std::string bytes = acceptedCharacter(tk73::fromQString(shown), field_);
    quoteReplaced_ = quoteReplaced_ || (field_.isCharacter() && character == U'"');
    refused_ = refused_ || bytes.empty();
    return bytes;
}

void TypedText::noteAt(QLineEdit& field) {
    QStringList notes;
    if (quoteReplaced_) {
        notes << tk73::toQString(tk73editor::editorText(tk73editor::EditorText::QuoteReplaced));
    }
    if (!unprintable_.isEmpty()) {
        notes << tk73::toQString(
                     tk73editor::editorText(tk73editor::EditorText::UnprintableCharacter))
                     .replace(QStringLiteral("%s"), unprintable_);
    }
    if (!notes.isEmpty()) {
        tk73::showFieldNote(field, notes.join('\n'));
    }
    unprintable_.clear();
    quoteReplaced_ = false;
    refused_ = false;
}

}  // namespace tk73edit
