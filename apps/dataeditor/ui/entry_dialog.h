#pragma once
// The field entry dialog "Enter %s": the field's title, the record ("Record #%05d", empty when
// the value goes to every record) and one edit box with the value. A price field is typed in a
// box of its display length that shows the value without its leading zeros. The box takes what
// the field takes, as the grid's edit does (typed_character.h).

#include <QDialog>

#include "apps/dataeditor/edit_field.h"

class QLineEdit;

namespace tk73edit {

class EntryDialog : public QDialog {
    Q_OBJECT

  public:
    // How the dialog ended; every answer but Cancel stores the value.
    enum class Answer { Previous, Next, Exit, Ok, Cancel };

    // record 0: the form for every record, which has no previous or next field.
    EntryDialog(const EditField& field, int record, const std::string& value,
                QWidget* parent = nullptr);

    Answer Run();
    // The typed value in the installation's code page.
    std::string Value() const;
    QLineEdit* ValueBox() const { return value_; }

  private:
    // Takes out of the typed text what the field refuses, and puts in what it takes instead.
    void KeepTaken();

    EditField field_;
    QLineEdit* value_;
    Answer answer_ = Answer::Cancel;
};

}  // namespace tk73edit
