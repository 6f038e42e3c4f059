// TK73GEN: the general feature editor.

#include "apps/editors/general/general_editor.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73general::generalEditor());
}
