#include "apps/dataeditor/ui/overtype_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "apps/dataeditor/field_typing.h"
#include "apps/dataeditor/field_value.h"
#include "apps/dataeditor/ui/typed_character.h"
#include "base/ui/ui_text.h"

namespace tk73edit {

OvertypeEdit::OvertypeEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
}

void OvertypeEdit::Begin(const EditField& field, const std::string& value) {
    field_ = field;
    Show(value, 0);
}

std::string OvertypeEdit::Value() const {
    return tk73::fromQString(text());
}

size_t OvertypeEdit::ByteAt(int position) const {
    return tk73::fromQString(text().left(position)).size();
}

int OvertypeEdit::PositionOf(size_t byte) const {
    return static_cast<int>(tk73::toQString(Value().substr(0, byte)).size());
}

void OvertypeEdit::Show(const std::string& value, size_t caret) {
    setText(tk73::toQString(value));
    SetCaretByte(caret);
}

void OvertypeEdit::SetCaretByte(size_t offset) {
    setCursorPosition(PositionOf(offset));
}

void OvertypeEdit::SelectionBytes(size_t& start, size_t& length) const {
    if (!hasSelectedText()) {
        start = ByteAt(cursorPosition());
        length = 0;
        return;
    }
    start = ByteAt(selectionStart());
    length = ByteAt(selectionStart() + static_cast<int>(selectedText().size())) - start;
}

bool OvertypeEdit::TypeText(const QString& text) {
    TypedText typed(field_);
    bool taken = true;
    for (const uint character : text.toUcs4()) {
        const std::string bytes = typed.take(character);
        taken = !bytes.empty() && Take(bytes) && taken;
    }
    if (!taken) {
        QApplication::beep();
    }
    typed.noteAt(*this);
    return taken;
}

bool OvertypeEdit::Take(const std::string& bytes) {
    if (!overtype_) {
        insert(tk73::toQString(bytes));
        return true;
    }
    FieldEdit edit;
    edit.value = Value();
    SelectionBytes(edit.selectionStart, edit.selectionLength);
    edit.caret = edit.selectionStart;
    if (!typeCharacter(edit, bytes, field_)) {
        return false;
    }
    Show(edit.value, edit.caret);
    return true;
}

FieldClip OvertypeEdit::Copy() const {
    size_t start = 0;
    size_t length = 0;
    SelectionBytes(start, length);
    const std::string value = Value();
    if (length == 0) {
        start = 0;
        length = value.size();
    }
    return {field_.fieldNo, static_cast<int32_t>(start), static_cast<int32_t>(length),
            value.substr(start, length)};
}

FieldClip OvertypeEdit::Cut() {
    const FieldClip clip = Copy();
    std::string value = Value();
    closeGap(value, static_cast<size_t>(clip.start), static_cast<size_t>(clip.length), field_);
    Show(value, static_cast<size_t>(clip.start));
    return clip;
}

void OvertypeEdit::Paste(const FieldClip& clip) {
    std::string value = Value();
    const size_t end = overwriteAt(value, static_cast<size_t>(clip.start), clip.text);
    Show(value, end);
}

namespace {

bool isClipboardKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
           key->matches(QKeySequence::Paste);
}

}  // namespace

bool OvertypeEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isClipboardKey(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void OvertypeEdit::keyPressEvent(QKeyEvent* event) {
    if (isClipboardKey(event)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Insert:
            overtype_ = !overtype_;
            emit overtypeChanged(overtype_);
            return;
        case Qt::Key_Up:
            emit recordStep(-1);
            return;
        case Qt::Key_Down:
            emit recordStep(1);
            return;
        default:
            break;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        TypeText(typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void OvertypeEdit::inputMethodEvent(QInputMethodEvent* event) {
    // What an input method composes is shown as it is; what it commits is typed.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    if (!event->commitString().isEmpty()) {
        TypeText(event->commitString());
    }
    event->accept();
}

}  // namespace tk73edit
