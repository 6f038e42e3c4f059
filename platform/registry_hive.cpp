#include "platform/registry_hive.h"

#include <filesystem>
#include <functional>

#include "platform/environment.h"
#include "platform/file_lock.h"
#include "platform/installed_layout.h"
#include "platform/registry_export.h"
#include "platform/running_program.h"
#include "platform/whole_file.h"

namespace tk73 {

namespace {

std::string_view rootName(Hive hive) {
    return hive == Hive::Machine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// A trailing backslash names the same key, as it does for the Windows registry functions.
std::string_view normalizedKey(std::string_view key) {
    while (!key.empty() && key.back() == '\\') {
        key.remove_suffix(1);
    }
    return key;
}

// The hive as it is on disk now: another process may have changed it since the last call, so
// nothing is cached. A missing or damaged file is an empty hive.
RegistryDocument loadHive(Hive hive, const std::optional<std::string>& bytes) {
    if (!bytes) {
        return {};
    }
    std::optional<RegistryDocument> parsed = parseRegistryExport(*bytes, rootName(hive));
    return parsed ? std::move(*parsed) : RegistryDocument{};
}

RegistryDocument loadHive(Hive hive) {
    const std::string file = registryHiveFile(hive);
    return file.empty() ? RegistryDocument{} : loadHive(hive, readWholeFile(file));
}

// Reads, changes and writes the hive under the writers' lock, so that two processes changing
// different values both keep their change. A damaged file is replaced whole; an unreadable one
// is left alone.
bool updateHive(Hive hive, const std::function<void(RegistryDocument&)>& change) {
    const std::string file = registryHiveFile(hive);
    if (file.empty()) {
        return false;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    ExclusiveFileLock lock(file + ".lock");
    if (!lock.held()) {
        return false;
    }
    const std::optional<std::string> before = readWholeFile(file);
    // A file that is there but cannot be read (no permission, a folder) is not ours to replace.
    if (!before && pathExists(file)) {
        return false;
    }
    RegistryDocument document = loadHive(hive, before);
    change(document);
    const std::string after = formatRegistryExport(document, rootName(hive));
    return (before && *before == after) || replaceWholeFile(file, after);
}

bool writeValue(Hive hive, std::string_view key, std::string_view name,
                const RegistryValue& value) {
    key = normalizedKey(key);
    if (!isStorableRegistryKey(key) || !isStorableRegistryText(name) ||
        !isStorableRegistryText(value.text)) {
        return false;
    }
    return updateHive(hive,
                      [&](RegistryDocument& document) { document.setValue(key, name, value); });
}

}  // namespace

std::string registryHiveFile(Hive hive) {
    const std::string overridden =
        environmentValue(hive == Hive::Machine ? "TK73_MACHINE_HIVE" : "TK73_USER_HIVE");
    if (!overridden.empty()) {
        return overridden;
    }
    if (hive == Hive::Machine) {
        const std::string installed = installedMachineHive();
        if (!installed.empty()) {
            return installed;
        }
        const std::string folder = runningProgramFolder();
        return folder.empty() ? std::string() : folder + "/machine.reg";
    }
    const std::string config = userConfigFolder();
    return config.empty() ? std::string() : config + "/tk73/user.reg";
}

bool registryKeyExists(Hive hive, std::string_view key) {
    key = normalizedKey(key);
    return isStorableRegistryKey(key) && loadHive(hive).hasKey(key);
}

std::optional<RegistryValue> registryReadValue(Hive hive, std::string_view key,
                                               std::string_view name) {
    key = normalizedKey(key);
    if (!isStorableRegistryKey(key)) {
        return std::nullopt;
    }
    const RegistryDocument document = loadHive(hive);
    const RegistryValue* value = document.findValue(key, name);
    return value != nullptr ? std::optional<RegistryValue>(*value) : std::nullopt;
}

bool registryCreateKey(Hive hive, std::string_view key) {
    key = normalizedKey(key);
    if (!isStorableRegistryKey(key)) {
        return false;
    }
    return updateHive(hive, [key](RegistryDocument& document) {
        if (!document.hasKey(key)) {
            document.addKey(key);
        }
    });
}

bool registryWriteString(Hive hive, std::string_view key, std::string_view name,
                         std::string_view text) {
    return writeValue(hive, key, name,
                      RegistryValue{RegistryValue::Type::String, std::string(text), 0});
}

bool registryWriteDword(Hive hive, std::string_view key, std::string_view name, uint32_t value) {
    return writeValue(hive, key, name, RegistryValue{RegistryValue::Type::Dword, {}, value});
}

}  // namespace tk73
