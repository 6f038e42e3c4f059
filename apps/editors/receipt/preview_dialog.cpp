#include "apps/editors/receipt/preview_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QScrollBar>
#include <QVBoxLayout>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "base/ui/ui_text.h"

namespace tk73receipt {

namespace {

// The lines shown at once: a whole short receipt.
constexpr int kVisibleLines = 30;

}  // namespace

PreviewDialog::PreviewDialog(const std::string& text, int charactersPerLine, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit) {
    setWindowTitle(tk73::toQString(receiptText(ReceiptText::PreviewTitle)));
    QFont font(tk73::toQString(receiptText(ReceiptText::PreviewFont)));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    text_->setFont(font);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString shown = tk73::toQString(text);
    shown.remove('\r');
    text_->setPlainText(shown);
    // As wide as the printer's line, with the frame, the document's margins and room for the
    // vertical scroll bar of a long receipt.
    const QFontMetrics metrics = text_->fontMetrics();
    const int margins =
        2 * (text_->frameWidth() + static_cast<int>(text_->document()->documentMargin()));
    text_->setFixedWidth(metrics.horizontalAdvance(QString(charactersPerLine, 'M')) + margins +
                         text_->verticalScrollBar()->sizeHint().width() +
                         metrics.averageCharWidth());
    text_->setMinimumHeight(metrics.lineSpacing() * kVisibleLines + margins);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tk73::toQString(tk73editor::editorText(tk73editor::EditorText::OkButton)),
                       QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

}  // namespace tk73receipt
