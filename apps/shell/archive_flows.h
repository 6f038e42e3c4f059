#pragma once
// The shell's flows between the current store's settings and archive files: Open from the SD
// card, Save to it, Save As under any name (a whole archive, or the partial PLU archive), the
// save that answers Yes to the question before discarding, and the load of the archive named on
// the command line. They show their own messages and keep the document's state, title, file path
// and last time as the flows leave them; a failed step leaves the store and the document as they
// were.

#include <string>

namespace tk73hub {

class CHubDlg;

// Open: the question before discarding, the SD card, then the card's archive of the default
// register model loaded as the working store (in the pro layout the archive of the selected
// store's register model, loaded into that store), its logos extracted.
void OpenArchiveFromCard(CHubDlg& window);
// Save: the SD card, the store's logos copied to the card's logo folder, the archive written to
// the card's archive path.
void SaveArchiveToCard(CHubDlg& window);
// Save As; true when an archive was written.
bool SaveArchiveAs(CHubDlg& window);
// Yes to "Setting file has modified...": Save As without a file yet, else a save to the file;
// true when the settings were saved and the caller may go on.
bool SaveBeforeDiscard(CHubDlg& window);
// Loads the archive at path as Open loads the card's and as the shell
// loads the archive named on its command line; true when it was loaded.
bool LoadArchive(CHubDlg& window, const std::string& path);

}  // namespace tk73hub
