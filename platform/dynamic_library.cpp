#include "platform/dynamic_library.h"

#include <dlfcn.h>

#include "platform/path_rule.h"
#include "platform/running_program.h"

namespace tk73 {

std::string mappedLibraryPath(std::string_view windowsName) {
    const std::string name = withSeparator(windowsName, '/');
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash);
    std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    base = base.substr(0, base.rfind('.'));
    if (base.empty()) {
        return {};
    }
    for (char& c : base) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    const std::string file = "lib" + base + ".so";
    if (slash != std::string::npos) {
        return folder + "/" + file;
    }
    const std::string programFolder = runningProgramFolder();
    return programFolder.empty() ? file : programFolder + "/" + file;
}

void* loadLibrary(std::string_view windowsName) {
    const std::string file = mappedLibraryPath(windowsName);
    return file.empty() ? nullptr : dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* librarySymbol(void* module, const char* symbol) {
    return module == nullptr || symbol == nullptr ? nullptr : dlsym(module, symbol);
}

bool freeLibrary(void* module) {
    return module != nullptr && dlclose(module) == 0;
}

}  // namespace tk73
