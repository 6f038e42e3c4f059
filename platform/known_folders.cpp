#include "platform/known_folders.h"

#include <fstream>
#include <string_view>

#include "platform/environment.h"
#include "platform/installed_layout.h"

namespace tk73 {

namespace {

// XDG_DOCUMENTS_DIR="$HOME/Documents" from the user's user-dirs.dirs, the file in which the
// desktop keeps its (possibly translated) folder names.
std::string documentsFromUserDirs() {
    const std::string config = userConfigFolder();
    if (config.empty()) {
        return {};
    }
    std::ifstream file(config + "/user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    constexpr std::string_view kHome = "$HOME";
    std::string line;
    while (std::getline(file, line)) {
        if (line.compare(0, kKey.size(), kKey) != 0 || line.size() < kKey.size() + 1 ||
            line.back() != '"') {
            continue;
        }
        const std::string value = line.substr(kKey.size(), line.size() - kKey.size() - 1);
        if (value.compare(0, kHome.size(), kHome) == 0) {
            return belowHome(std::string_view(value).substr(kHome.size()));
        }
        if (!value.empty() && value.front() == '/') {
            return value;
        }
    }
    return {};
}

std::string defaultFolder(KnownFolder folder) {
    switch (folder) {
        case KnownFolder::CommonAppData:
            return installedSharedDataFolder();
        case KnownFolder::LocalAppData: {
            const std::string data = environmentValue("XDG_DATA_HOME");
            return data.empty() ? belowHome("/.local/share") : data;
        }
        case KnownFolder::Documents: {
            const std::string documents = documentsFromUserDirs();
            return documents.empty() ? belowHome("/Documents") : documents;
        }
        case KnownFolder::Temp: {
            // Archives and exports pass through fixed names in the temporary folder: the
            // session's runtime folder is the user's alone, where /tmp is everybody's.
            for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
                std::string temp = environmentValue(variable);
                if (!temp.empty()) {
                    return temp;
                }
            }
            return "/tmp";
        }
    }
    return {};
}

const char* overrideVariable(KnownFolder folder) {
    switch (folder) {
        case KnownFolder::CommonAppData:
            return "TK73_COMMON_APPDATA";
        case KnownFolder::LocalAppData:
            return "TK73_LOCAL_APPDATA";
        case KnownFolder::Documents:
            return "TK73_DOCUMENTS";
        case KnownFolder::Temp:
            return "TK73_TEMP";
    }
    return "";
}

}  // namespace

std::string knownFolderPath(KnownFolder folder) {
    const std::string overridden = environmentValue(overrideVariable(folder));
    return overridden.empty() ? defaultFolder(folder) : overridden;
}

}  // namespace tk73
