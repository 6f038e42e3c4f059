#pragma once
// Where an installed suite keeps what the whole machine shares. The package lays the programs
// into /usr/lib/tk73, writes the machine hive to /etc/tk73/machine.reg and creates the shared
// data folder in /var/lib (the places come from the build's install prefix). An installation
// unpacked below another root ("/srv/root/usr/lib/tk73": a package extracted with dpkg-deb -x,
// an install with DESTDIR) finds them below the same root, so it runs from there as it is.

#include <optional>
#include <string>
#include <string_view>

namespace tk73 {

// The root below which the programs in programFolder are installed: "" for "/", "/srv/root"
// for "/srv/root/usr/lib/tk73"; none when the folder is not an installation's program folder
// (a build folder, an install at another prefix).
std::optional<std::string> installationRootOf(std::string_view programFolder);

// The machine hive of the installation the running program belongs to; empty when the program
// is not installed.
std::string installedMachineHive();

// The folder of the data that every user of the machine shares (the common application data):
// /var/lib below the running program's installation root.
std::string installedSharedDataFolder();

}  // namespace tk73
