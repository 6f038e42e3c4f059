#pragma once
// The logo conversion library "LogoConv.dll" and its entry "LogoConvMultiFile", loaded for each
// conversion and freed after it. Its arguments and results are in outside/logoconv/README.md.

#include <string>
#include <vector>

namespace tk73logo {

// The library or its entry is missing; none of the library's own results.
inline constexpr int kLibraryMissing = 1;

class LogoLibrary {
  public:
    static constexpr const char* kWindowsName = "LogoConv.dll";

    explicit LogoLibrary(std::string windowsName = kWindowsName);

    const std::string& Name() const { return windowsName_; }

    // The library's result, or kLibraryMissing.
    int Convert(const std::vector<std::string>& bitmaps, const std::string& output,
                const std::string& settingsFile, const std::string& pattern, int machineId) const;

  private:
    std::string windowsName_;
};

}  // namespace tk73logo
