#pragma once
// Every named dialog that the libraries ask for (store database, operations, LAN, CSV exchange,
// program file import and merge), registered with a program's seam implementation. Each program
// of the suite calls this at start-up, before its first window: the libraries it links may ask
// for any of them, whichever program runs the flow.

namespace tk73 {
class QtUserInteraction;
}

namespace tk73apps {

void registerLibraryDialogs(tk73::QtUserInteraction& interaction);

}  // namespace tk73apps
