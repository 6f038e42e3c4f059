#include "operations/ops_csv.h"

#include "base/user_interaction.h"
#include "platform/running_program.h"

CTK73opsCsv::CTK73opsCsv(int, int) {}

int CTK73opsCsv::ImportExecute() {
    tk73::ui().message("CSV import is not available yet.", tk73::runningProgramName(),
                       tk73::MessageIcon::Information);
    return 0;
}
