#pragma once
// Registry settings under the suite's root key, the desktop register and the two process-wide
// switches (launch Vek tool flag and current Vek setting).
//
// Every key is the registry root followed directly by the caller's suffix ("\TRACE\STOREPORT");
// a null or empty suffix is the root itself. The root depends on the launch Vek tool flag:
// "SOFTWARE\KELVO\TK73TOOL\SYSTEM", or "SOFTWARE\KELVO\VEKSTTL\SYSTEM" in the Vek tool. A key
// longer than 259 characters is neither read nor written.
//
// Reads never fail: a missing key or value, a value of the other type or a string longer than
// the buffer reads as the empty string or 0.
//
// Defined in desktop_register.cpp, process_switches.cpp, registry_dwords.cpp,
// registry_key_check.cpp and registry_strings.cpp.

#include "platform/api.h"

TK73_EXPORT int TK73_API AecrbsSetRegistryCurrentUserSystemString(const char* suffix,
                                                                  const char* name,
                                                                  const char* text);
TK73_EXPORT int TK73_API AecrbsGetRegistryCurrentUserSystemString(const char* suffix, char* buffer,
                                                                  int size, const char* name);
TK73_EXPORT int TK73_API AecrbsGetRegistryLocalMachineSystemString(const char* suffix, char* buffer,
                                                                   int size, const char* name);
TK73_EXPORT int TK73_API AecrbsSetRegistryCurrentUserSystemValueDW(const char* suffix,
                                                                   const char* name,
                                                                   const uint32_t* value);
TK73_EXPORT int TK73_API AecrbsGetRegistryCurrentUserSystemValueDW(const char* suffix,
                                                                   uint32_t* value,
                                                                   const char* name);
TK73_EXPORT int TK73_API AecrbsGetRegistryLocalMachineSystemValueDW(const char* suffix,
                                                                    uint32_t* value,
                                                                    const char* name);
TK73_EXPORT int TK73_API AecrbsGetRegistryCurrentUserSystemValueDWEx(const char* suffix,
                                                                     uint32_t* value,
                                                                     const char* name);
TK73_EXPORT int TK73_API AecrbsGetRegistryLocalMachineSystemValueDWEx(const char* suffix,
                                                                      uint32_t* value,
                                                                      const char* name);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsCheckRegistryCurrentUserSystemKey(const char* suffix);

// Desktop register: "CURRENTBRANCH", "CURRENTSTORE", "CURRENTREGISTER" ("999" means none).
// Each out buffer of AecrbsGetDesktopRegister holds at least 4096 bytes.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsSetDesktopRegister(const char* branch,
                                                                 const char* store,
                                                                 const char* reg);
TK73_EXPORT int TK73_API AecrbsGetDesktopRegister(char* branch, char* store, char* reg);

// Process-wide switches; both must be set before the first path or registry call.
TK73_EXPORT int TK73_API AecrbsSetLaunchVekTool(int value);
TK73_EXPORT int TK73_API AecrbsGetLaunchVekTool(void);
TK73_EXPORT int TK73_API AecrbsSetCurrentVekSetting(int value, int save);
TK73_EXPORT int TK73_API AecrbsGetCurrentVekSetting(void);
TK73_EXPORT int TK73_API AecrbsRestoreCurrentVekSetting(void);
