#pragma once
// The dialog "Preview receipt": the preview text, read only, in the fixed-pitch font named by the
// string table ("Courier"), as wide as the printer's characters per line.

#include <QDialog>
#include <QPlainTextEdit>

#include <string>

namespace tk73receipt {

class PreviewDialog : public QDialog {
  public:
    // text: the preview with CR LF line ends, in the installation's code page.
    PreviewDialog(const std::string& text, int charactersPerLine, QWidget* parent = nullptr);

    const QPlainTextEdit& Text() const { return *text_; }

  private:
    QPlainTextEdit* text_;
};

}  // namespace tk73receipt
