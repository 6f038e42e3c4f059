#pragma once
// The transfer function a caller gives the run dialog: one machine's transfer. machineNo is the
// task's machine number field as a number, callerValue what the caller gave the dialog; message
// (4096 bytes) becomes the task's result text, detail (768 bytes) says more on a failure. The
// result becomes the task's status: above 0 is success.

#include "platform/api.h"

using TK73LANTRANSFER = int(TK73_API*)(int machineNo, void* callerValue, const char* branchNo,
                                       const char* storeNo, const char* ipAddress, char* message,
                                       char* detail);
