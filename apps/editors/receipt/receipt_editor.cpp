#include "apps/editors/receipt/receipt_editor.h"

#include "apps/editors/receipt/message_page_set.h"
#include "apps/editors/receipt/receipt_page_sets.h"

namespace tk73receipt {

tk73editor::EditorDescription receiptEditor() {
    tk73editor::EditorDescription description;
    description.vekFlags = tk73editor::VekFlags::SecondFlag;
    description.pageSets = {
        {"RJ", receiptJournalPageSet},
        {"RM",
         [](tk73editor::PgmMenuContext& context) -> std::unique_ptr<tk73editor::PageSetDialog> {
             return std::make_unique<MessagePageSet>(context);
         }},
        {"RC", officialReceiptPageSet},
        {"RP", reportPageSet},
        {"PP", popPageSet}};
    return description;
}

}  // namespace tk73receipt
