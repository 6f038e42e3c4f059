#include "apps/editors/item/ui/item_editor.h"

#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/ui/item_list_window.h"

namespace tk73item {

tk73editor::EditorDescription itemEditor() {
    tk73editor::EditorDescription description;
    description.vekFlags = tk73editor::VekFlags::SecondFlag;
    for (const ItemPageSet& set : itemPageSets()) {
        description.pageSets.push_back({set.flag, [&set](tk73editor::PgmMenuContext& context) {
                                            return std::unique_ptr<tk73editor::PageSetWindow>(
                                                std::make_unique<ItemListWindow>(context, set));
                                        }});
    }
    return description;
}

}  // namespace tk73item
