#pragma once
// The CSV exchange's named dialogs ("SelectFile") as Qt dialogs. A program registers them with
// its seam implementation at start-up.

namespace tk73 {
class QtUserInteraction;
}

namespace tk73xchui {

void registerXchDialogs(tk73::QtUserInteraction& interaction);

}  // namespace tk73xchui
