#pragma once
// The folder of the objects that exist only while the suite's programs run: the lock files of the
// single-instance mutexes and the sockets through which one program raises another's window.
//
// It is private to the user: $XDG_RUNTIME_DIR, which the session creates with mode 0700, or else
// "tk73-<uid>" in the temporary folder (TK73_TEMP, TMPDIR, /tmp), created with mode 0700. The
// temporary folder is shared by every user of the machine, so that folder is only used when it is
// a real folder (not a link) owned by the user that nobody else may write to; otherwise another
// user could take a program's name or listen in its place.

#include <string>
#include <string_view>

namespace tk73 {

// The folder, without a trailing separator; empty when no private folder can be had.
std::string runtimeFolder();

// The path of a named object in the runtime folder: the name, with every character other than
// ASCII letters, digits, '.', '_' and '-' turned into '_' (so no name reaches outside the folder),
// followed by the suffix. Empty when there is no runtime folder, or the name is empty or longer
// than 200 characters.
std::string runtimeObjectPath(std::string_view name, std::string_view suffix);

}  // namespace tk73
