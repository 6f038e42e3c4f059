#pragma once
// "Search": the current field's title, the text to look for (the last one offered), and the
// direction: "Backward", "Forward" or "Cancel".

#include <QDialog>

class QLineEdit;

namespace tk73edit {

class SearchDialog : public QDialog {
    Q_OBJECT

  public:
    SearchDialog(const QString& fieldTitle, const QString& lastText, QWidget* parent = nullptr);

    QString Text() const;
    // Set when the dialog ends with a direction.
    bool Forward() const { return forward_; }
    QLineEdit* TextBox() const { return text_; }

  private:
    QLineEdit* text_;
    bool forward_ = true;
};

}  // namespace tk73edit
