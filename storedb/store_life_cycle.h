#pragma once
// The life cycle of a store as the store configuration drives it: creating a store, changing
// its register or controller model, copying and deleting it. Each operation keeps the tables
// and the store folders in step: when a step fails, the tables are put back as they were and a
// folder that the operation made is removed again.
//
// Failures that the user must hear about are shown through the user-interaction seam with the
// caller's caption; the others are left to the caller, which knows its own texts.

#include <string>

#include "storedb/edb_records.h"

namespace tk73store {

// Takes the smallest free store number, adds the store with it (business day "0000", the
// current update time, the controller linkage from its models), copies the default definition
// files of its models into the store's folder and asks the program to copy the default program
// files of both kinds. 1 with store.storeNo set.
[[nodiscard]] int CreateStore(STORE_EDB& store);

// Rewrites the store's record. A side whose model changed loses its machine list, its part of
// the store folder and its definition copy; the new model's default definition file is copied
// in and the program is asked to copy that side's default program files. A change that fails
// leaves the tables and both parts of the store folder as they were.
[[nodiscard]] int ChangeStore(STORE_EDB& store);

// A record for a copy of the source store: its content, a new number and a copy name. Shows
// "Could not create store name." when every copy name is taken.
[[nodiscard]] int PrepareStoreCopy(int sourceStoreNo, STORE_EDB& copy, const std::string& caption);
// Copies the source store's folder to the copy's number (a new one when it is 0) and adds the
// copy's record. Shows "Could not copy store folder." when the folder cannot be copied.
[[nodiscard]] int CopyStore(int sourceStoreNo, STORE_EDB& copy, const std::string& caption);

// Asks whether the store is to go, with its name in double quotes; 1 on Yes. No is the default
// answer, so that a stray Enter deletes nothing.
[[nodiscard]] int ConfirmDeleteStore(const STORE_EDB& store, const std::string& caption);
// Empties the store's controller and register lists, removes its record and deletes its whole
// folder. Shows "Could not delete store folder." when the folder cannot be deleted.
[[nodiscard]] int DeleteStore(int storeNo, const std::string& caption);

}  // namespace tk73store
