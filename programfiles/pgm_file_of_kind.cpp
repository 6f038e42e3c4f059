#include "programfiles/pgm_file_of_kind.h"

#include "programfiles/pgm_file.h"
#include "programfiles/vek_pgm_file.h"

namespace tk73pgm {

std::unique_ptr<CTK73pgmRegVekPgmFile> pgmFileOfKind(int storeNo, int kind) {
    if (kind == 1) {
        return std::make_unique<CTK73pgmVekPgmFile>(storeNo);
    }
    return std::make_unique<CTK73pgmPgmFile>(storeNo);
}

}  // namespace tk73pgm
