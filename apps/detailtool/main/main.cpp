// TK73DTL: the detail setting tool, started by the shell's "Detail Settings" and controller
// setting buttons.

#include "apps/detailtool/ui/detail_app.h"

int main(int argc, char** argv) {
    return tk73dtl::detailToolMain(argc, argv);
}
