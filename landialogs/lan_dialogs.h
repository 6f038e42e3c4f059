#pragma once
// The LAN dialogs of the suite behind a plain exported interface: the select dialog, which lists
// the active store's registers or controllers, finds more on the LAN and answers the checked
// addresses, and the run dialog, which runs a caller's transfer once per machine and offers to
// run failed ones again. A handle carries the tasks of a run or the addresses of a selection,
// and an application context with the error of the last failed call.

#include "landialogs/lan_transfer.h"
#include "platform/api.h"

struct TK73LanHandle;

TK73_EXPORT TK73LanHandle* TK73_API TK73LanCreateRWD(void);
TK73_EXPORT TK73LanHandle* TK73_API TK73LanVekCreateRWD(void);
// 1; 0 and a parameter error for a null or foreign handle.
TK73_EXPORT int TK73_API TK73LanDeleteRWD(TK73LanHandle* handle);
TK73_EXPORT int TK73_API TK73LanVekDeleteRWD(TK73LanHandle* handle);
// Appends the tasks of the task lines; 1 when the text is not empty.
TK73_EXPORT int TK73_API TK73LanSetInfoRWD(TK73LanHandle* handle, const char* text);
TK73_EXPORT int TK73_API TK73LanVekSetInfoRWD(TK73LanHandle* handle, const char* text);
// Runs the run dialog: 0 when it ended with every task done, else 2.
TK73_EXPORT int TK73_API TK73LanDoModalRWD(TK73LanHandle* handle, const char* title,
                                           TK73LANTRANSFER transfer, void* callerValue);
TK73_EXPORT int TK73_API TK73LanVekDoModalRWD(TK73LanHandle* handle, const char* title,
                                              TK73LANTRANSFER transfer, void* callerValue);
// 1 and the status of the first task of the three numbers (letter case ignored); 0 when none.
TK73_EXPORT int TK73_API TK73LanGetRWDStatus(TK73LanHandle* handle, const char* branchNo,
                                             const char* storeNo, const char* machineNo,
                                             int* status);
TK73_EXPORT int TK73_API TK73LanVekGetRWDStatus(TK73LanHandle* handle, const char* branchNo,
                                                const char* storeNo, const char* machineNo,
                                                int* status);
// The register select dialog for the active store: 0 when OK was pressed, 2 when cancelled.
// mode: 0 when the chosen machines are to be sent to, 1 when received from; the dialog says
// which.
TK73_EXPORT int TK73_API TK73LanDoModalRSD(TK73LanHandle* handle, const char* title,
                                           const char* modelCode, int mode);
// The combined dialog: the active store's controllers and registers, each list filling its own
// handle; 0 when OK was pressed, 2 when cancelled.
TK73_EXPORT int TK73_API TK73LanVekDoModalRSD(TK73LanHandle* registers, TK73LanHandle* controllers,
                                              const char* title, int mode);
// The controller select dialog for the active store. Controllers are searched for only while
// the controller tool runs and the model code is not "000000" (an unknown register model).
TK73_EXPORT int TK73_API TK73LanVekDoModalRSDIndividual(TK73LanHandle* handle, const char* title,
                                                        const char* modelCode, int mode);
TK73_EXPORT int TK73_API TK73LanGetRSDCount(TK73LanHandle* handle);
TK73_EXPORT int TK73_API TK73LanVekGetRSDCount(TK73LanHandle* handle);
// 0 and the address (16 bytes room) at index; 2 for an index out of range or a null argument.
TK73_EXPORT int TK73_API TK73LanGetRSDIPAddr(TK73LanHandle* handle, int index, char* out);
TK73_EXPORT int TK73_API TK73LanVekGetRSDIPAddr(TK73LanHandle* handle, int index, char* out);
