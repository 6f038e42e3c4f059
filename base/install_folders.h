#pragma once
// The installation's and the user's folders. Every out buffer holds at least TK73_MAX_PATH bytes.
//
// Defined in data_folders.cpp, data_paths.cpp and install_values.cpp.

#include "platform/api.h"

TK73_EXPORT int TK73_API AecrbsGetTK73InstallPath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73RegisterPath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73VekPath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73SystemPath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73TemplatePath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73UserMode(uint32_t* out);
TK73_EXPORT int TK73_API AecrbsGetTK73AppDataFolder(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73UserDataFolder(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73BackUpDefaultFolder(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73DataBasePath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTK73TempPath(char* out);
TK73_EXPORT int TK73_API AecrbsGetTempPath(char* out);
