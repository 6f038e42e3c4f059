#pragma once
// The pop-up menu of a file row, by what the definition says of the file.

#include "definitions/def_reg.h"

namespace tk73dtl {

struct FileMenu {
    bool targetOnly = false;  // the file is in "MENUOFFFILES": "Target" and nothing else
    bool dataFile = false;    // "CREATE" instead of "OPEN", "From DAT file" instead of CSV
    bool exportFile = false;  // "Write data"
    bool importFile = false;  // "Read file"
};

FileMenu fileMenuOf(const CTK73defReg& definition, int fileNo);

}  // namespace tk73dtl
