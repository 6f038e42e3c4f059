#include "apps/logoeditor/logo_library.h"

#include "platform/dynamic_library.h"

namespace tk73logo {

namespace {

using ConvertEntry = int (*)(const char* const*, int, const char*, const char*, const char*, int);

}  // namespace

LogoLibrary::LogoLibrary(std::string windowsName) : windowsName_(std::move(windowsName)) {}

int LogoLibrary::Convert(const std::vector<std::string>& bitmaps, const std::string& output,
                         const std::string& settingsFile, const std::string& pattern,
                         int machineId) const {
    void* module = tk73::loadLibrary(windowsName_);
    const auto entry =
        reinterpret_cast<ConvertEntry>(tk73::librarySymbol(module, "LogoConvMultiFile"));
    if (entry == nullptr) {
        tk73::freeLibrary(module);
        return kLibraryMissing;
    }
    std::vector<const char*> paths;
    for (const std::string& bitmap : bitmaps) {
        paths.push_back(bitmap.c_str());
    }
    const int result = entry(paths.data(), static_cast<int>(paths.size()), output.c_str(),
                             settingsFile.c_str(), pattern.c_str(), machineId);
    tk73::freeLibrary(module);
    return result;
}

}  // namespace tk73logo
