// TK73ITEM: the item editor, started by the shell with the page-set flag of the records to edit.

#include "apps/editors/framework/editor_application.h"
#include "apps/editors/item/ui/item_editor.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73item::itemEditor());
}
