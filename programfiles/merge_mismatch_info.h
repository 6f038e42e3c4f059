#pragma once
// One line of the list of records that differ between a register and its Vek controller.

#include <string>

struct tagMISMATCHINFO {
    int nFileNo = 0;  // the group key (the register program file of the kind)
    int nRecordNo = 0;
    std::string vekName;
    std::string regName;
    // 1 when a value other than the name differs.
    int nDiffer = 0;
};
