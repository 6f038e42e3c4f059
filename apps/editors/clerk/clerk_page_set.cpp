#include "apps/editors/clerk/clerk_page_set.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

#include "apps/editors/clerk/clerk_texts.h"
#include "apps/editors/framework/check_item.h"
#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/number_item.h"
#include "apps/editors/framework/text_item.h"
#include "base/ui/ui_text.h"

namespace tk73clerk {

namespace {

constexpr int kClerksPerPage = 10;

enum Column { kNumberColumn, kNameColumn, kCodeColumn, kDrawerColumn, kTrainingColumn };

QLabel* label(const std::string& text) {
    return new QLabel(tk73::toQString(text));
}

struct Columns {
    bool code = false;
    bool drawer = false;
    bool training = false;
};

void clerkRow(tk73editor::SettingPage& page, QGridLayout& grid, const Columns& columns, int record,
              int row) {
    grid.addWidget(new QLabel(QString::number(record)), row, kNumberColumn);
    grid.addWidget(page.Keep<tk73editor::TextItem>(kClerkMenu, kNameItem, record).Control(), row,
                   kNameColumn);
    if (columns.code) {
        QWidget* code =
            page.Keep<tk73editor::NumberItem>(kClerkMenu, kSecretCodeItem, record).Control();
        code->setMaximumWidth(code->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        grid.addWidget(code, row, kCodeColumn);
    }
    if (columns.drawer) {
        grid.addWidget(page.Keep<tk73editor::ChoiceItem>(
                               tk73editor::ChoiceItem::Style::DropDown,
                               std::vector<std::string>{clerkText(ClerkText::DrawerNumber, 1),
                                                        clerkText(ClerkText::DrawerNumber, 2)},
                               std::vector<int>{1, 2}, kClerkMenu, kDrawerItem, record)
                           .Control(),
                       row, kDrawerColumn);
    }
    if (columns.training) {
        grid.addWidget(
            page.Keep<tk73editor::CheckItem>("", kClerkMenu, kTrainingItem, record).Control(), row,
            kTrainingColumn, Qt::AlignHCenter);
    }
}

}  // namespace

std::unique_ptr<tk73editor::PageSetDialog> clerkPageSet(tk73editor::PgmMenuContext& context) {
    auto set =
        std::make_unique<tk73editor::PageSetDialog>(context, clerkText(ClerkText::ClerkTitle));
    CPgmHandle& handle = context.Handle();
    tagPGMITEMDEF item;
    if (!handle.GetItemDef(&item, kClerkMenu, kNameItem, 0)) {
        item.nFirstRecord = 1;
        item.nRecordCount = 0;
    }
    const int first = item.nFirstRecord;
    const int count = item.nRecordCount;
    tagPGMITEMDEF other;
    const Columns columns{handle.GetItemDef(&other, kClerkMenu, kSecretCodeItem, 0) == 1,
                          handle.GetItemDef(&other, kClerkMenu, kDrawerItem, 0) == 1,
                          handle.GetItemDef(&other, kClerkMenu, kTrainingItem, 0) == 1};
    for (int start = 0; start < count; start += kClerksPerPage) {
        const int end = std::min(start + kClerksPerPage, count);
        tk73editor::SettingPage& page =
            set->AddPage(clerkText(ClerkText::ClerkRange, first + start, first + end - 1));
        auto* content = new QWidget;
        auto* grid = new QGridLayout(content);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(label(clerkText(ClerkText::Number)), 0, kNumberColumn);
        grid->addWidget(label(clerkText(ClerkText::Name)), 0, kNameColumn);
        if (columns.code) {
            grid->addWidget(label(clerkText(ClerkText::SecretCode)), 0, kCodeColumn);
        }
        if (columns.drawer) {
            grid->addWidget(label(clerkText(ClerkText::Drawer)), 0, kDrawerColumn);
        }
        if (columns.training) {
            grid->addWidget(label(clerkText(ClerkText::Training)), 0, kTrainingColumn);
        }
        for (int clerk = start; clerk < end; ++clerk) {
            clerkRow(page, *grid, columns, first + clerk, clerk - start + 1);
        }
        page.AddRow(content);
    }
    return set;
}

}  // namespace tk73clerk
