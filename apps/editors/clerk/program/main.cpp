// TK73CLRK: the clerk and customer-type editor.

#include "apps/editors/clerk/clerk_editor.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73clerk::clerkEditor());
}
