#pragma once
// The receipt and report editor: "RJ" receipt and journal options, "RM" receipt messages, "RC"
// official receipt, "RP" X/Z reports, "PP" POP printing.

#include "apps/editors/framework/editor_application.h"

namespace tk73receipt {

tk73editor::EditorDescription receiptEditor();

}  // namespace tk73receipt
