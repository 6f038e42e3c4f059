#pragma once
// A text the user types into a field (in the grid's edit, in either editing, or in the entry
// dialog), character by character as the field takes it. A character that the installation's
// code page cannot hold would reach the file as "?", so it is refused before anything else,
// with a note that names it; after that the field's rules decide (field_typing.h), and a double
// quote that a character field takes as a blank is said in a note, as in the setting editors.

#include <QLineEdit>
#include <QString>

#include <string>

#include "apps/dataeditor/edit_field.h"
#include "base/ui/printable_text.h"

namespace tk73edit {

class TypedText {
  public:
    explicit TypedText(const EditField& field) : field_(field) {}

    // The character as the field takes it, in the code page; empty when refused.
    std::string take(char32_t character);
    // Whether a character was refused since the last note.
    bool refused() const { return refused_; }
    // Shows what the user should know of the characters taken since at the field (the code
    // page's refusals together, the quotes made blanks), and starts over.
    void noteAt(QLineEdit& field);

  private:
    EditField field_;
    tk73::CodePageCharacters codePage_;
    QString unprintable_;
    bool quoteReplaced_ = false;
    bool refused_ = false;
};

}  // namespace tk73edit
