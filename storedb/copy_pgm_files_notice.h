#pragma once
// The notice by which the store configuration asks the program that shows it to copy the
// default program files into a store ("TK73_COPYPGMFILES_STR"). The program registers a handler
// at start-up; the shell copies the files of the kinds named in the notice.

#include <functional>

namespace tk73store {

inline constexpr const char* kCopyPgmFilesNoticeName = "TK73_COPYPGMFILES_STR";

// The kinds a notice names.
inline constexpr int kCopyPgmFilesBoth = 0;
inline constexpr int kCopyPgmFilesRegister = 1;
inline constexpr int kCopyPgmFilesVek = 2;

using CopyPgmFilesHandler = std::function<void(int storeNo, int kinds)>;

// Makes handler the one that receives the notices and answers the one before (empty when none
// was registered). An empty handler stops the notices.
CopyPgmFilesHandler SetCopyPgmFilesHandler(CopyPgmFilesHandler handler);
// Hands the notice to the registered handler; nothing happens without one.
void NotifyCopyPgmFiles(int storeNo, int kinds);

}  // namespace tk73store
