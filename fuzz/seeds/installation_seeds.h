#pragma once

#include <string>

namespace tk73seeds {

// One file of every kind that the shipped installation holds, and the hives and store tables
// that staging it and making stores write, for the targets of the profile, CSV, hive, program
// file and definition parsers. root is the run's private folder, which the hives name: it is
// written as "/opt/tk73" in their seeds, so that the seeds stay the same from run to run.
void writeInstallationSeeds(const std::string& corpus, const std::string& root);

}  // namespace tk73seeds
