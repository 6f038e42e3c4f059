# Where an installed suite lives. The package installs below /usr, so that is the default prefix:
#
#   <prefix>/lib/tk73              the programs, the suite's libraries and the outside libraries,
#                                  side by side as in the build folder (run path $ORIGIN)
#   <prefix>/bin                   links to the programs a user starts (tk73, tk73hub)
#   <prefix>/share/tk73            the shipped installation, read-only (InstallPath)
#   /etc/tk73/machine.reg          the machine hive, written at installation
#   /var/lib/tk73                  the data every user of the machine shares (user mode 2)
#
# The programs learn these places from a generated header (platform/installed_layout.h). An
# installation unpacked below another root (DESTDIR, dpkg-deb -x) finds them below that root.

# A build folder configured before the suite had an installation holds CMake's own default,
# /usr/local, in its cache; it gets the suite's default once, like a new folder.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR
   (NOT DEFINED CACHE{TK73_INSTALL_PREFIX_CHOSEN} AND CMAKE_INSTALL_PREFIX STREQUAL "/usr/local"))
    set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Where the suite is installed" FORCE)
endif()
set(TK73_INSTALL_PREFIX_CHOSEN ON CACHE INTERNAL "The install prefix is the suite's or the user's")
include(GNUInstallDirs)

set(TK73_INSTALL_PROGRAM_DIR lib/tk73)
set(TK73_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tk73)
set(TK73_INSTALLED_MACHINE_HIVE ${CMAKE_INSTALL_FULL_SYSCONFDIR}/tk73/machine.reg)
set(TK73_INSTALLED_SHARED_DATA ${CMAKE_INSTALL_FULL_LOCALSTATEDIR}/lib)

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/tk73_installed_layout.h
     CONTENT "#pragma once
#define TK73_INSTALLED_PROGRAM_FOLDER \"${CMAKE_INSTALL_PREFIX}/${TK73_INSTALL_PROGRAM_DIR}\"
#define TK73_INSTALLED_MACHINE_HIVE \"${TK73_INSTALLED_MACHINE_HIVE}\"
#define TK73_INSTALLED_SHARED_DATA \"${TK73_INSTALLED_SHARED_DATA}\"
")
