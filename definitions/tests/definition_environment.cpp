#include "definitions/tests/definition_environment.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "base/registry_settings.h"
#include "platform/registry_hive.h"

namespace deftest {

namespace {

// The register tool's root and the Vek tool's root: a test may run as either.
constexpr const char* kSystemKeys[] = {"SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                       "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM"};

}  // namespace

DefinitionEnvironment::DefinitionEnvironment(uint32_t userMode) : userMode_(userMode) {
    using tk73::Hive;
    bool written = true;
    for (const char* key : kSystemKeys) {
        written &=
            tk73::registryWriteString(Hive::Machine, key, "InstallPath", temp_.path("install"));
        written &= tk73::registryWriteString(Hive::Machine, key, "RegisterPath",
                                             temp_.path("install/REG"));
        written &=
            tk73::registryWriteString(Hive::Machine, key, "VekPath", temp_.path("install/VEK"));
        written &= tk73::registryWriteString(Hive::Machine, key, "DataBasePath", "DB");
        written &= tk73::registryWriteString(Hive::Machine, key, "TempPath", "TEMP");
    }
    // A test environment whose values cannot be written would test the real installation's.
    if (!written) {
        throw std::runtime_error("The test registry cannot be written.");
    }
    setUserMode(userMode);
}

void DefinitionEnvironment::setUserMode(uint32_t mode) {
    userMode_ = mode;
    for (const char* key : kSystemKeys) {
        if (!tk73::registryWriteDword(tk73::Hive::Machine, key, "UserMode", mode)) {
            throw std::runtime_error("The test registry cannot be written.");
        }
    }
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
