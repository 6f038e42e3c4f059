#include "base/memory.h"
#include "platform/dynamic_library.h"

void* TK73_API AecrbsLoadLibrary(const char* file) {
    return file != nullptr ? tk73::loadLibrary(file) : nullptr;
}

void* TK73_API AecrbsGetProcAddress(void* module, const char* symbol) {
    return tk73::librarySymbol(module, symbol);
}

int TK73_API AecrbsFreeLibrary(void* module) {
    return module == nullptr || tk73::freeLibrary(module) ? 1 : 0;
}
