#pragma once
// The page sets of the receipt and report editor besides the messages (message_page_set.h):
//
//   "RJ"  "Receipt/Journal": the receipt and journal options of menu 5, each a pair of option
//         buttons, the machine number and the calendar type.
//   "RC"  "Ryoushuu-sho": the official receipt of menu 10, printed or not, its title line and the
//         lines below it.
//   "RP"  "X/Z Report": the page "Report" with the name and the print options of every report
//         (menu 8; the names can be changed only when the definition's "RENAME_POINT" is
//         "TRUE"), and the page "All X/Z" with the reports an all X/Z report prints, in order
//         (menu 40).
//   "PP"  "POP Printing": the POP messages of menu 20, five to a page, with their size.

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"

namespace tk73receipt {

std::unique_ptr<tk73editor::PageSetDialog> receiptJournalPageSet(
    tk73editor::PgmMenuContext& context);
std::unique_ptr<tk73editor::PageSetDialog> officialReceiptPageSet(
    tk73editor::PgmMenuContext& context);
std::unique_ptr<tk73editor::PageSetDialog> reportPageSet(tk73editor::PgmMenuContext& context);
std::unique_ptr<tk73editor::PageSetDialog> popPageSet(tk73editor::PgmMenuContext& context);

}  // namespace tk73receipt
