#pragma once
// The program file locations of a store's register or Vek controller, chosen at run time.

#include <memory>

#include "programfiles/regvek_pgm_file.h"

namespace tk73pgm {

// kind: 0 the register (CTK73pgmPgmFile), 1 the Vek controller (CTK73pgmVekPgmFile).
std::unique_ptr<CTK73pgmRegVekPgmFile> pgmFileOfKind(int storeNo, int kind);

}  // namespace tk73pgm
