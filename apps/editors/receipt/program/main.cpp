// TK73RCPT: the receipt and report editor.

#include "apps/editors/receipt/receipt_editor.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73receipt::receiptEditor());
}
