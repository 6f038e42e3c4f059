#pragma once
// The machine settings of a test's private installation, under both tools' roots (the register
// tool's and the Vek tool's: a test may run as either): the install, register, Vek, system and
// template folders point into the test's temporary folder, the database and temporary folders
// are the installation's "DB" and "TEMP".

#include <cstdint>

#include "tests/support/temp_environment.h"

namespace deftest {

// Both throw when the test registry cannot be written: the test would run on the real
// installation's values.
void pointInstallationInto(const tk73test::TempEnvironment& temp);
void writeUserMode(uint32_t mode);

}  // namespace deftest
