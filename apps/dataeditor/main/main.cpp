// TK73EDIT: the data editor, started by the detail tool with the path of one program file of the
// current store.

#include "apps/dataeditor/ui/data_editor_app.h"

int main(int argc, char** argv) {
    return tk73edit::dataEditorMain(argc, argv);
}
