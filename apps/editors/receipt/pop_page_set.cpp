#include <QGridLayout>
#include <QLabel>

#include <algorithm>

#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_page_sets.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "base/ui/ui_text.h"

namespace tk73receipt {

namespace {

constexpr int kMessagesPerPage = 5;

QLabel* label(const std::string& text) {
    return new QLabel(tk73::toQString(text));
}

}  // namespace

std::unique_ptr<tk73editor::PageSetDialog> popPageSet(tk73editor::PgmMenuContext& context) {
    auto set =
        std::make_unique<tk73editor::PageSetDialog>(context, receiptText(ReceiptText::PopTitle));
    tagPGMITEMDEF texts;
    if (!context.Handle().GetItemDef(&texts, kPopMenu, kPopTextItem, 0)) {
        texts.nFirstRecord = 1;
        texts.nRecordCount = 0;
    }
    for (int first = 0; first < texts.nRecordCount; first += kMessagesPerPage) {
        const int last = std::min(first + kMessagesPerPage, texts.nRecordCount);
        tk73editor::SettingPage& page =
            set->AddPage(receiptText(ReceiptText::PopRange, first + 1, last));
        auto* content = new QWidget;
        auto* grid = new QGridLayout(content);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(label(receiptText(ReceiptText::PopText)), 0, 1);
        grid->addWidget(label(receiptText(ReceiptText::PopSize)), 0, 2);
        for (int message = first; message < last; ++message) {
            const int record = texts.nFirstRecord + message;
            const int row = message - first + 1;
            grid->addWidget(label(receiptText(ReceiptText::PopNumber, message + 1)), row, 0);
            grid->addWidget(
                page.Keep<tk73editor::TextItem>(kPopMenu, kPopTextItem, record).Control(), row, 1);
            auto& size = page.Keep<tk73editor::ChoiceItem>(
                tk73editor::ChoiceItem::Style::Options,
                std::vector<std::string>{receiptText(ReceiptText::PopNormal),
                                         receiptText(ReceiptText::PopDouble)},
                std::vector<int>{1, 2}, kPopMenu, kPopSizeItem, record);
            size.SetFrameless();
            grid->addWidget(size.Control(), row, 2);
        }
        page.AddRow(content);
    }
    return set;
}

}  // namespace tk73receipt
