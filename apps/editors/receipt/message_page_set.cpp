#include "apps/editors/receipt/message_page_set.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "apps/editors/framework/number_item.h"
#include "apps/editors/receipt/preview_dialog.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "base/ui/ui_text.h"

namespace tk73receipt {

namespace {

using tk73editor::ChoiceItem;

// The blocks before the sale and after it.
constexpr int kHeadingBlocks = 2;
constexpr ReceiptText kBlockTitles[] = {ReceiptText::LogoMessage, ReceiptText::AddressMessage,
                                        ReceiptText::CommercialMessage, ReceiptText::BottomMessage};
constexpr ReceiptText kLogoNames[] = {ReceiptText::HeaderLogo, ReceiptText::ShopLogo,
                                      ReceiptText::BottomLogo};

int blockItem(int block, int item) {
    return block * kItemsPerBlock + item;
}

QString text(ReceiptText id) {
    return tk73::toQString(receiptText(id));
}

ChoiceItem& onOffChoice(tk73editor::SettingPage& page, const OnOffCaptions& captions, int menuNo,
                        int itemNo) {
    auto& choice = page.Keep<ChoiceItem>(ChoiceItem::Style::Options,
                                         std::vector<std::string>{captions.on, captions.off},
                                         std::vector<int>{1, 0}, menuNo, itemNo);
    choice.SetFrameless();
    return choice;
}

// A message line in the printer's fixed pitch, so that the field shows the line as it prints.
void showAsPrinterLine(QWidget* field) {
    QFont font(text(ReceiptText::PreviewFont));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    field->setFont(font);
}

// A field for a few characters.
void narrow(QWidget* field) {
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
}

}  // namespace

MessagePageSet::MessagePageSet(tk73editor::PgmMenuContext& context)
    : PageSetDialog(context, receiptText(ReceiptText::ReceiptMessageTitle)) {
    tk73editor::SettingPage& messages = AddPage(receiptText(ReceiptText::MessagePage));
    messages.AddRow(MessagePage(messages));
    LogoStatusPage(AddPage(receiptText(ReceiptText::LogoStatusPage)));
}

QWidget* MessagePageSet::MessagePage(tk73editor::SettingPage& page) {
    const OnOffCaptions captions = messageCaptions(Context().DefinitionFile());
    const OnOffCaptions printed{receiptText(ReceiptText::Print), receiptText(ReceiptText::NoPrint)};
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    // The heading blocks on the left, the closing blocks on the right, in the receipt's order.
    auto* columns = new QHBoxLayout;
    QVBoxLayout* column = nullptr;
    for (int block = 0; block < kMessageBlocks; ++block) {
        if (block % kHeadingBlocks == 0) {
            column = new QVBoxLayout;
            columns->addLayout(column);
        }
        column->addWidget(BlockGroup(page, block, block < kHeadingBlocks ? captions : printed));
        if (block % kHeadingBlocks == kHeadingBlocks - 1) {
            column->addStretch();
        }
    }
    layout->addLayout(columns);
    auto* characters = new QHBoxLayout;
    auto& multiplication = page.Keep<tk73editor::TextItem>(kMessageMenu, kMultiplicationCharItem);
    auto& number = page.Keep<tk73editor::TextItem>(kMessageMenu, kNumberCharItem);
    auto* form = new QFormLayout;
    form->addRow(text(ReceiptText::MultiplicationChar), multiplication.Control());
    form->addRow(text(ReceiptText::NumberChar), number.Control());
    narrow(multiplication.Control());
    narrow(number.Control());
    characters->addLayout(form);
    characters->addStretch();
    auto* preview = new QPushButton(text(ReceiptText::PreviewButton));
    connect(preview, &QPushButton::clicked, this, &MessagePageSet::ShowPreview);
    characters->addWidget(preview, 0, Qt::AlignBottom);
    layout->addLayout(characters);
    return content;
}

QWidget* MessagePageSet::BlockGroup(tk73editor::SettingPage& page, int block,
                                    const OnOffCaptions& captions) {
    auto* group = new QGroupBox(text(kBlockTitles[block]));
    auto* form = new QFormLayout(group);
    Block& shown = blocks_[static_cast<size_t>(block)];
    shown.print = &onOffChoice(page, captions, kMessageMenu, blockItem(block, kPrintFlagItem));
    form->addRow(shown.print->Control());
    tagPGMITEMDEF lines;
    const bool hasLines =
        Context().Handle().GetItemDef(&lines, kMessageMenu, blockItem(block, kLinesItem), 0) == 1;
    auto& count = page.Keep<tk73editor::NumberItem>(kMessageMenu, blockItem(block, kLineCountItem));
    count.SetRange(0, hasLines ? static_cast<uint64_t>(lines.nRecordCount) : 0);
    narrow(count.Control());
    form->addRow(text(ReceiptText::LineCount), count.Control());
    if (!hasLines) {
        return group;
    }
    shown.width = lines.nWidth;
    for (int line = 0; line < lines.nRecordCount; ++line) {
        auto& item = page.Keep<tk73editor::TextItem>(kMessageMenu, blockItem(block, kLinesItem),
                                                     lines.nFirstRecord + line);
        showAsPrinterLine(item.Control());
        form->addRow(tk73::toQString(receiptText(ReceiptText::LineLabel, line + 1)),
                     item.Control());
        shown.lines.push_back(&item);
    }
    return group;
}

void MessagePageSet::LogoStatusPage(tk73editor::SettingPage& page) {
    const OnOffCaptions captions =
        statusCaptions(Context().DefinitionFile(),
                       {receiptText(ReceiptText::Print), receiptText(ReceiptText::NoPrint)});
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    for (int logo = 1; logo <= kLogos; ++logo) {
        form->addRow(text(kLogoNames[logo - 1]),
                     onOffChoice(page, captions, kLogoStatusMenu, logo).Control());
    }
    // The options keep to their own width instead of spreading over the page.
    row->addLayout(form);
    row->addStretch();
    page.AddRow(content);
}

PreviewBlock MessagePageSet::PreviewOf(const Block& block) const {
    PreviewBlock preview;
    if (block.print != nullptr) {
        const std::vector<int>& values = block.print->Values();
        const uint64_t on = values.empty() ? 1 : static_cast<uint64_t>(values.front());
        preview.print = block.print->Usable() && block.print->Value().value == on;
    }
    for (const tk73editor::TextItem* line : block.lines) {
        preview.lines.push_back(line->Value().text);
    }
    return preview;
}

int MessagePageSet::CharactersPerLine() {
    int widest = 0;
    for (int block = 0; block < kMessageBlocks; ++block) {
        tagPGMITEMDEF item;
        PGMITEMDATAARRAY values(1);
        if (Context().Handle().GetItemDef(&item, kMessageMenu,
                                          blockItem(block, kCharactersPerLineItem), 1) &&
            Context().Handle().AccessItems(PGM_ACCESS_READ, &item, 1, item.nFirstRecord, 1, &values,
                                           0) == 0 &&
            values[0].value != 0) {
            return static_cast<int>(values[0].value);
        }
        widest = std::max(widest, blocks_[static_cast<size_t>(block)].width);
    }
    return widest;
}

std::string MessagePageSet::PreviewText() {
    std::vector<PreviewBlock> heading;
    std::vector<PreviewBlock> closing;
    for (int block = 0; block < kMessageBlocks; ++block) {
        (block < kHeadingBlocks ? heading : closing)
            .push_back(PreviewOf(blocks_[static_cast<size_t>(block)]));
    }
    return receiptPreview(heading, closing, CharactersPerLine());
}

void MessagePageSet::ShowPreview() {
    PreviewDialog(PreviewText(), CharactersPerLine(), this).exec();
}

}  // namespace tk73receipt
