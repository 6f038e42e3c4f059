#include "tools/cli/command.h"

#include <filesystem>

#include "base/user_interaction.h"
#include "programfiles/pgm_current_store.h"
#include "storedb/edb_records.h"

namespace tk73cli {

int StoreOf(const CommandLine& line) {
    return line.has("store") ? line.number("store", 1, EDB_MAX_STORE) : tk73pgm::currentStoreNo();
}

bool MayOverwrite(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) ||
           tk73::ui().question(path + " is there already. Replace it?", "tk73",
                               tk73::Buttons::YesNo, tk73::Button::No,
                               tk73::MessageIcon::Exclamation) == tk73::Button::Yes;
}

}  // namespace tk73cli
