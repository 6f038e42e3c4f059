#pragma once
// The sample shop of the demo, laid into an installation that the stager has just staged, so
// that a newcomer has something to work on at once: in the single-store layouts a card folder
// holding the shop's archive (and its logos) for Open to load, in the pro layout the shop as a
// store of a branch, with its registers listed, selected on the desktop. The shop's settings are
// the installation's default program files.
//
// It works on the installation and user settings of the environment (TK73_MACHINE_HIVE, ...),
// like every program of the suite, and leaves what the user made in an earlier run alone: an
// archive already on the card, or a store database that has stores.

#include <cstdint>
#include <string>

namespace tk73tools {

// The card's archive of the shop for the default register model; true when the card holds one
// afterwards.
bool PutSampleShopOnCard(uint32_t userMode, const std::string& card, std::string& error);

// The shop as store "Sample shop" of branch "Sample branch" with three registers, selected on
// the desktop; true when the store database holds a store afterwards.
bool MakeSampleShopStore(std::string& error);

}  // namespace tk73tools
