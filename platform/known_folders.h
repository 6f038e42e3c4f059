#pragma once
// The shell folders the suite keeps its data in, each overridable by an environment variable
// (tests and the demo installation set all of them):
//
//   folder                    variable             default
//   common application data   TK73_COMMON_APPDATA  /var/lib (below the installation's root)
//   local application data    TK73_LOCAL_APPDATA   $XDG_DATA_HOME, else $HOME/.local/share
//   documents                 TK73_DOCUMENTS       XDG_DOCUMENTS_DIR of
//                                                  $XDG_CONFIG_HOME/user-dirs.dirs (else
//                                                  $HOME/.config/user-dirs.dirs), else
//                                                  $HOME/Documents
//   temporary folder          TK73_TEMP            $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp
//
// The XDG conventions name no folder that every user of the machine may write to, so the common
// application data default is /var/lib, where an installation for all users creates its data
// folder with the permissions it needs (installed_layout.h). An empty variable counts as unset.
// Paths come back as given, without a trailing separator added; the folders are not created.

#include <string>

namespace tk73 {

enum class KnownFolder { CommonAppData, LocalAppData, Documents, Temp };

// The folder, or an empty text when it cannot be found (no home folder).
std::string knownFolderPath(KnownFolder folder);

}  // namespace tk73
