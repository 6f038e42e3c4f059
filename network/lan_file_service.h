#pragma once
// The LAN file service: the PC connects to a register on TCP port 61554 and serves its
// requests until every file of the work list has gone to the register (workKind 1) or come
// from it (workKind 0).

#include "platform/api.h"

// fileList: fileCount six-digit file numbers ("%06d" each). 1 on success; otherwise 0 with the
// reason in message (4096 bytes, empty when there is none) and the ids of the files that failed
// or were cancelled, each once, concatenated in failedFiles (768 bytes).
TK73_EXPORT int TK73_API TK73sslDULoadECRPFile(const char* host, int workKind, int fileCount,
                                               const char* fileList, char* message,
                                               char* failedFiles);
