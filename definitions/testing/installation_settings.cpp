#include "definitions/testing/installation_settings.h"

#include <stdexcept>

#include "platform/registry_hive.h"

namespace deftest {

namespace {

constexpr const char* kSystemKeys[] = {"SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                                       "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM"};

void refuseUnwritten(bool written) {
    if (!written) {
        throw std::runtime_error("The test registry cannot be written.");
    }
}

}  // namespace

void pointInstallationInto(const tk73test::TempEnvironment& temp) {
    using tk73::Hive;
    bool written = true;
    for (const char* key : kSystemKeys) {
        written &=
            tk73::registryWriteString(Hive::Machine, key, "InstallPath", temp.path("install"));
        written &=
            tk73::registryWriteString(Hive::Machine, key, "RegisterPath", temp.path("install/REG"));
        written &=
            tk73::registryWriteString(Hive::Machine, key, "VekPath", temp.path("install/VEK"));
        written &= tk73::registryWriteString(Hive::Machine, key, "SystemPath",
                                             temp.path("install/system"));
        written &= tk73::registryWriteString(Hive::Machine, key, "TemplatePath",
                                             temp.path("install/template"));
        written &= tk73::registryWriteString(Hive::Machine, key, "DataBasePath", "DB");
        written &= tk73::registryWriteString(Hive::Machine, key, "TempPath", "TEMP");
    }
    refuseUnwritten(written);
}

void writeUserMode(uint32_t mode) {
    for (const char* key : kSystemKeys) {
        refuseUnwritten(tk73::registryWriteDword(tk73::Hive::Machine, key, "UserMode", mode));
    }
}

}  // namespace deftest
