#pragma once
// Folder creation, listings and whole-tree operations.
//
// Created folders and their missing parents are shared with the suite's other users as
// platform/shared_folder.h describes. A listing file holds one path a line (LF), relative to the
// listed folder and joined with that folder's separator; files are listed as they are met, each
// sub-folder after everything below it. Folders whose names begin with a full stop are skipped;
// symbolic links are listed as files and never followed (base/folder_walk.h).
//
// Defined one operation to a source: copy_directory.cpp, delete_directory.cpp, folder_listing.cpp,
// make_directory.cpp and reset_attribute.cpp.

#include "platform/api.h"

// Creates the folder and every missing parent; 1 when it exists already or the path is empty.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsMakeDirectory(const char* path);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsMakeDirectoryEx(const char* path);
// Write the listing of every file, or every sub-folder, below the folder; 0 when the listing
// cannot be written or a folder cannot be read.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsFindFile(const char* listing, const char* folder);
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsFindDirectory(const char* listing,
                                                            const char* folder);
// Copies the whole tree, overwriting; 0 at the first step that fails.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsCopyDirectory(const char* source, const char* target);
// Deletes the tree and the folder; 1 when it does not exist, 0 when a folder cannot be removed.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsDeleteDirectory(const char* folder);
// Gives the owner write permission on the folder and everything below it (the read-only
// attribute cleared); 1 when it does not exist.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsResetAttribute(const char* folder);
