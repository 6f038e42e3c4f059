#pragma once
// The grid's in-place edit of one field. It starts in overtype editing: a typed character
// replaces the one under the caret under the field's rules (field_typing.h), and the value keeps
// the field's width. The Insert key switches to the edit box's own insert editing and back, where
// a typed character goes in before the caret under the same rules (typed_character.h); the Up
// and Down keys ask for the same field of the previous or next record.

#include <QLineEdit>

#include <string>

#include "apps/dataeditor/edit_field.h"
#include "apps/dataeditor/field_clip.h"

namespace tk73edit {

class OvertypeEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit OvertypeEdit(QWidget* parent = nullptr);

    // Starts on the field's shown value with the caret at the start.
    void Begin(const EditField& field, const std::string& value);
    // The value as it stands, in the installation's code page.
    std::string Value() const;

    // Types the text (a character, the characters of a pending key press, or what an input
    // method commits) as keys would; false when a character was refused (after a beep; the
    // others are typed).
    bool TypeText(const QString& text);
    // Places the caret at the byte offset of the value.
    void SetCaretByte(size_t offset);

    // The selected characters (the whole value when nothing is selected) as a clipboard item.
    FieldClip Copy() const;
    // The same, and the characters after the selection move left into its room.
    FieldClip Cut();
    // Writes the item's text over the value from its start offset, clipped at the width.
    void Paste(const FieldClip& clip);

  signals:
    // -1: the previous record, 1: the next.
    void recordStep(int step);
    void overtypeChanged(bool overtype);

  protected:
    // Cut, copy and paste belong to the editor's own commands, which carry the field's place.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    // Byte offset of a character position of the shown text, and back.
    size_t ByteAt(int position) const;
    int PositionOf(size_t byte) const;
    void Show(const std::string& value, size_t caret);
    // Puts one character, as the field takes it, in at the caret; false when it does not fit.
    bool Take(const std::string& bytes);
    // The selection in bytes; length 0 when nothing is selected.
    void SelectionBytes(size_t& start, size_t& length) const;

    EditField field_;
    bool overtype_ = true;
};

}  // namespace tk73edit
