#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "apps/editors/framework/check_item.h"
#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/text_item.h"
#include "apps/editors/receipt/definition_captions.h"
#include "apps/editors/receipt/receipt_menus.h"
#include "apps/editors/receipt/receipt_page_sets.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "base/ui/ui_text.h"

namespace tk73receipt {

namespace {

constexpr ReceiptText kOptionTitles[] = {ReceiptText::ReportOnX, ReceiptText::ReportOnZ,
                                         ReceiptText::ReportSkipZero,
                                         ReceiptText::ReportCompressed};

QLabel* heading(ReceiptText id) {
    return new QLabel(tk73::toQString(receiptText(id)));
}

// The reports' names as the maintenance file holds them, in record order.
std::vector<std::string> reportNames(tk73editor::PgmMenuContext& context,
                                     const tagPGMITEMDEF& names) {
    tagPGMITEMDEF item = names;
    PGMITEMDATAARRAY values;
    std::vector<std::string> result;
    const bool read = context.Handle().AccessItems(PGM_ACCESS_READ, &item, 1, item.nFirstRecord,
                                                   item.nRecordCount, &values, 0) == 0;
    for (int report = 0; report < names.nRecordCount; ++report) {
        std::string name = read ? values[static_cast<size_t>(report)].text : std::string();
        name.erase(name.find_last_not_of(' ') + 1);
        result.push_back(name.empty() ? std::to_string(report + 1) : name);
    }
    return result;
}

void reportPage(tk73editor::SettingPage& page, const tagPGMITEMDEF& names, bool rename) {
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(heading(ReceiptText::ReportName), 0, 1);
    for (int option = 0; option < 4; ++option) {
        grid->addWidget(heading(kOptionTitles[option]), 0, option + 2, Qt::AlignHCenter);
    }
    for (int report = 0; report < names.nRecordCount; ++report) {
        const int record = names.nFirstRecord + report;
        const int row = report + 1;
        grid->addWidget(new QLabel(QString::number(record)), row, 0);
        auto& name = page.Keep<tk73editor::TextItem>(kReportMenu, kReportNameItem, record);
        static_cast<QLineEdit*>(name.Control())->setReadOnly(!rename);
        grid->addWidget(name.Control(), row, 1);
        for (int option = 0; option < 4; ++option) {
            auto& check = page.Keep<tk73editor::CheckItem>("", kReportMenu,
                                                           kReportOptionItems[option], record);
            grid->addWidget(check.Control(), row, option + 2, Qt::AlignHCenter);
        }
    }
    page.AddRow(content);
}

void allXzPage(tk73editor::PgmMenuContext& context, tk73editor::SettingPage& page,
               const tagPGMITEMDEF& names) {
    std::vector<std::string> entries{receiptText(ReceiptText::NoReport)};
    std::vector<int> values{0};
    int number = 0;
    for (const std::string& name : reportNames(context, names)) {
        entries.push_back(name);
        values.push_back(++number);
    }
    tagPGMITEMDEF steps;
    if (!context.Handle().GetItemDef(&steps, kAllXzMenu, kAllXzItem, 0)) {
        return;
    }
    for (int step = 0; step < steps.nRecordCount; ++step) {
        page.Add<tk73editor::ChoiceItem>(receiptText(ReceiptText::StepLabel, step + 1),
                                         tk73editor::ChoiceItem::Style::DropDown, entries, values,
                                         kAllXzMenu, kAllXzItem, steps.nFirstRecord + step);
    }
}

}  // namespace

std::unique_ptr<tk73editor::PageSetDialog> reportPageSet(tk73editor::PgmMenuContext& context) {
    auto set =
        std::make_unique<tk73editor::PageSetDialog>(context, receiptText(ReceiptText::ReportTitle));
    tagPGMITEMDEF names;
    if (!context.Handle().GetItemDef(&names, kReportMenu, kReportNameItem, 0)) {
        names.nRecordCount = 0;
    }
    reportPage(set->AddPage(receiptText(ReceiptText::ReportPage)), names,
               reportsCanBeRenamed(context.DefinitionFile()));
    allXzPage(context, set->AddPage(receiptText(ReceiptText::AllXzPage)), names);
    return set;
}

}  // namespace tk73receipt
