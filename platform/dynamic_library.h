#pragma once
// Libraries that the suite loads by their Windows names ("GLCONV.DLL", "enclibdl.dll") and the
// one mapping to this system's names: the base name is lower-cased, its extension dropped, and it
// becomes "lib<name>.so". A name without a folder is looked up in the running program's folder
// only (where the suite's programs and the outside libraries are installed side by side); a
// folder part, absolute or relative, is kept with its separators turned into "/":
//
//   "GLCONV.DLL"              -> <program folder>/libglconv.so
//   "plugins\Arblibpc.dll"    -> plugins/libarblibpc.so   (relative to the current folder)
//   "/opt/tk73/LangJP.DLL"    -> /opt/tk73/liblangjp.so
//
// A library that is missing or cannot be loaded gives a null module, exactly as a missing DLL.

#include <string>
#include <string_view>

namespace tk73 {

// The file that the Windows name maps to; empty for a name without a base name.
std::string mappedLibraryPath(std::string_view windowsName);

void* loadLibrary(std::string_view windowsName);
// Null for a null module or a missing symbol.
void* librarySymbol(void* module, const char* symbol);
// True when the module was unloaded.
bool freeLibrary(void* module);

}  // namespace tk73
