#pragma once
// The LAN file service: the PC connects to a register on TCP port 61554 and serves its
// requests until every file of the work list has gone to the register (workKind 1) or come
// from it (workKind 0).

#include "platform/api.h"

// fileList: fileCount six-digit file numbers ("%06d" each). 1 when every file of the list came in
// or went out whole; otherwise 0 with the reason in message (4096 bytes, empty when there is
// none) and, once the register had the work list, the ids of the files of the list that did not,
// each once, concatenated in failedFiles (768 bytes).
TK73_EXPORT TK73_NODISCARD int TK73_API TK73sslDULoadECRPFile(const char* host, int workKind,
                                                              int fileCount, const char* fileList,
                                                              char* message, char* failedFiles);
// With cancel 1, ends the session that runs (on another thread) at once and refuses the sessions
// that start until it is called with 0: the connection is closed, a file on its way in is
// dropped and the session fails with "Cancelled by the user.". Always 1.
TK73_EXPORT int TK73_API TK73sslDUCancel(int cancel);
