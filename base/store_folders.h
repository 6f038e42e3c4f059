#pragma once
// The folders of the stores in the database folder: "S" and the store number in three digits,
// holding "M001" (the register program files) and "O001" (the Vek controller program files).
// Store numbers run from 0 to 999; any other number is refused.

#include "base/database_frame.h"
#include "platform/api.h"

// Creates the target store's folder and copies the source store's tree into it, its files made
// writable. 0 when the source is missing or is the target.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbCopyStoreFolder(DBC* dbc, int source, int target);
// Part 1: the store's "M001"; part 2: its "O001"; any other part: the whole store folder. 1 when
// the folder does not exist. The folder is first renamed to its path, "_" and the local time
// (YYYYMMDDhhmmss), so that a half-deleted tree never passes for the store's; 0 when it cannot be
// renamed (a file in it is held open) or the renamed tree cannot be deleted.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrdbDeleteStoreFolder(DBC* dbc, int store, int part);
