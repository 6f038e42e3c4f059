// TK73TAX: the tax table editor.

#include "apps/editors/tax/tax_editor.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73tax::taxEditor());
}
