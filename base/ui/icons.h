#pragma once
// The icons of the user-interaction seam as the style draws them.

#include <QIcon>

#include "base/user_interaction.h"

class QStyle;

namespace tk73 {

// A null icon for MessageIcon::None. The suite's own icon is the application's window icon, or
// the style's computer icon when the program has set none.
QIcon iconOf(MessageIcon icon, const QStyle* style);

}  // namespace tk73
