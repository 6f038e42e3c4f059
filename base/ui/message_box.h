#pragma once
// Messages and questions of the seam as modal message boxes.

#include <string>

#include "base/user_interaction.h"

class QWidget;

namespace tk73 {

// Shows the box and answers the button pressed; closing the box (Escape, the title bar) answers
// dismissButtonOf(buttons).
Button showMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                      Buttons buttons, Button defaultButton, MessageIcon icon);

}  // namespace tk73
