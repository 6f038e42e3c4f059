#include "apps/logoeditor/logo_place.h"

#include <cstdio>

#include "archive/archive_files.h"
#include "base/file_utils.h"
#include "base/install_folders.h"
#include "definitions/def_reg.h"
#include "operations/active_store_info.h"
#include "operations/store_logos.h"
#include "platform/ini_profile.h"
#include "platform/whole_file.h"

namespace tk73logo {

LogoPlace LogoPlace::activeStore(const std::string& definitionFile, const std::string& mainte) {
    LogoPlace place;
    place.definitionFile = definitionFile;
    place.mainteFolder = mainte;
    const CTK73opsActiveStoreInfo active;
    place.storeNo = active.GetStore().storeNo;
    place.indentName = active.GetRegModel().indentName;
    place.storeLogoFolder = tk73ops::StoreLogoFolder(place.storeNo);
    char install[TK73_MAX_PATH] = {};
    if (CTK73defReg(place.indentName.c_str(), place.storeNo, 0).GetModelInstallPath(install) == 1) {
        place.installFolder = install;
    }
    place.machineId = static_cast<int>(
        tk73_GetPrivateProfileIntA("SYSTEM", "MACHINE_TYPE", 0, definitionFile.c_str()));
    return place;
}

std::string LogoPlace::textFile(const LogoEntry& entry) const {
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03dP.TXT", entry.fileNo);
    return tk73pack::inFolder(mainteFolder, name);
}

namespace {

std::string settingsName(const std::string& indentName, const LogoEntry& entry) {
    char name[TK73_MAX_PATH];
    std::snprintf(name, sizeof name, "%s_%d%s", indentName.c_str(), entry.fileNo, ".HAD");
    return name;
}

}  // namespace

std::string LogoPlace::settingsFile(const LogoEntry& entry) const {
    const size_t slash = definitionFile.find_last_of("\\/");
    const std::string folder =
        slash == std::string::npos ? std::string() : definitionFile.substr(0, slash);
    return tk73pack::inFolder(folder, settingsName(indentName, entry));
}

std::string LogoPlace::shippedSettingsFile(const LogoEntry& entry) const {
    return tk73pack::inFolder(installFolder, settingsName(indentName, entry));
}

std::string LogoPlace::settingsInForce(const LogoEntry& entry) const {
    const std::string own = settingsFile(entry);
    return tk73::pathExists(own) ? own : shippedSettingsFile(entry);
}

bool LogoPlace::takeOwnSettings(const LogoEntry& entry) const {
    const std::string own = settingsFile(entry);
    const std::string shipped = shippedSettingsFile(entry);
    return tk73::pathExists(own) || !tk73::pathExists(shipped) ||
           AecrbsCopyFile(shipped.c_str(), own.c_str(), 0) == 1;
}

std::string LogoPlace::bitmapName(const LogoEntry& entry) {
    char name[32];
    std::snprintf(name, sizeof name, "FILE%04d.%03d", entry.fileNo, entry.fileNo);
    return name;
}

std::string LogoPlace::receiptImageName(const LogoEntry& entry, ReceiptImage which) {
    char name[32];
    std::snprintf(name, sizeof name,
                  which == ReceiptImage::Company ? "CMPY%04d.BMP" : "ADDR%04d.BMP", entry.fileNo);
    return name;
}

}  // namespace tk73logo
