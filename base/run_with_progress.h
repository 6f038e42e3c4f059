#pragma once
// Runs a long operation while the user waits in a small modal dialog (caption, one line of text,
// the suite's icon and an endless animation) that the user cannot close and that closes itself
// when the operation is done. The dialog is the installed user interaction's: the programs show
// it and run the callback on a worker thread; without a window (console, tests) the callback
// runs directly on the calling thread.

#include "platform/api.h"

// The context value travels as a pointer-sized word so that a handle passes through unchanged.
typedef int(TK73_API* AecruiRPDProc)(uintptr_t context, void* argument);

// Answers the callback's result, or 0: at once and without a dialog for a null callback, and
// after the message "Failed to start the thread of execution." when no worker thread can be had.
TK73_EXPORT TK73_NODISCARD int TK73_API AecruiDoModalRPD(uintptr_t context, const char* caption,
                                                         const char* message,
                                                         AecruiRPDProc callback, void* argument);
