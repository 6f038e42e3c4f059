#pragma once
// The store a fuzzed LAN session exchanges its files with: a register of model 301, current on
// the desktop of a staged installation, with the model's default program files. A session that
// stores a file changes the store; it is put back before the next input, so that every input
// meets the same files. The seed generator makes its sessions against the same store.

#include <string>
#include <vector>

namespace tk73fuzz {

inline constexpr int kLanModel = 301;
// The work list of a fuzzed session: the PLU and department files, which travel as the
// converter's binary program files, and the electronic journal, a data file that travels as it
// is.
inline const std::vector<int> kLanWorkFiles = {4, 5, 90};

// Stages the installation below root (the run's private folder) and makes the store.
void openLanStore(const std::string& root);
// Puts the store's files back when the last session changed them.
void restoreLanStore();

}  // namespace tk73fuzz
