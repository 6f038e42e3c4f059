#include "definitions/tests/definition_environment.h"

#include <cstdio>
#include <filesystem>

#include "base/registry_settings.h"
#include "definitions/testing/installation_settings.h"

namespace deftest {

DefinitionEnvironment::DefinitionEnvironment(uint32_t userMode) : userMode_(userMode) {
    pointInstallationInto(temp_);
    setUserMode(userMode);
}

void DefinitionEnvironment::setUserMode(uint32_t mode) {
    userMode_ = mode;
    writeUserMode(mode);
}

std::string DefinitionEnvironment::dataBaseFolder() const {
    // The register tool in mode 2 keeps its data for all users.
    const bool allUsers = userMode_ == 2 && AecrbsGetLaunchVekTool() == 0;
    return temp_.path(allUsers ? "common/DB" : "local/DB");
}

std::string DefinitionEnvironment::defaultFile(const std::string& name, int kind) const {
    return temp_.path(std::string(kind ? "install/VEK/" : "install/REG/") + name + "/" + name +
                      ".INI");
}

std::string DefinitionEnvironment::writeDefault(const std::string& name, const std::string& text,
                                                int kind) {
    const std::string file = defaultFile(name, kind);
    tk73test::TempEnvironment::writeFile(file, text);
    return file;
}

std::string DefinitionEnvironment::storeFile(const std::string& name, int storeNo, int kind) const {
    char store[16];
    std::snprintf(store, sizeof store, "S%03d", storeNo);
    return dataBaseFolder() + "/" + store + (kind ? "/O001/" : "/M001/") + name + ".INI";
}

std::string DefinitionEnvironment::writeStore(const std::string& name, int storeNo,
                                              const std::string& text, int kind) {
    const std::string file = storeFile(name, storeNo, kind);
    tk73test::TempEnvironment::writeFile(file, text);
    return file;
}

std::string DefinitionEnvironment::writeFile(const std::string& relative, const std::string& text) {
    const std::string file = temp_.path(relative);
    tk73test::TempEnvironment::writeFile(file, text);
    return file;
}

std::string DefinitionEnvironment::writeSettings(const std::string& text) {
    return writeFile("install/TK73TOOL.ini", text);
}

std::string DefinitionEnvironment::read(const std::string& path) const {
    return tk73test::TempEnvironment::readFile(path);
}

bool DefinitionEnvironment::exists(const std::string& path) const {
    return std::filesystem::exists(path);
}

std::string crlf(const std::string& lines) {
    std::string out;
    for (const char c : lines) {
        if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace deftest
