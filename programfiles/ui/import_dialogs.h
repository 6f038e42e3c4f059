#pragma once
// The program file import's named dialogs ("ImportRange", "ImportStoreSelect") as Qt dialogs. A
// program registers them with its seam implementation at start-up.

namespace tk73 {
class QtUserInteraction;
}

namespace tk73pgmui {

void registerImportDialogs(tk73::QtUserInteraction& interaction);

}  // namespace tk73pgmui
