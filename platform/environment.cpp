#include "platform/environment.h"

#include <cstdlib>

namespace tk73 {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string belowHome(std::string_view relative) {
    const std::string home = environmentValue("HOME");
    return home.empty() ? std::string() : home + std::string(relative);
}

std::string userConfigFolder() {
    const std::string config = environmentValue("XDG_CONFIG_HOME");
    return config.empty() ? belowHome("/.config") : config;
}

}  // namespace tk73
