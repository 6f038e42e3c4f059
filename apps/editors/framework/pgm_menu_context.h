#pragma once
// The editor's context, one per process: the program file handle opened on the three paths of the
// active store (its definition file, maintenance folder and default folder), through which every
// page reads and writes its items, and the value lists of the items.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "programfiles/pgm_handle.h"

namespace tk73editor {

class PgmMenuContext {
  public:
    PgmMenuContext() = default;
    PgmMenuContext(const PgmMenuContext&) = delete;
    PgmMenuContext& operator=(const PgmMenuContext&) = delete;

    // Finds the active store's paths for the current setting target (the register, or the
    // controller when the current controller setting is on) and opens the handle on them. 1 when
    // the paths exist and the definition file is a file.
    [[nodiscard]] int OpenActiveStore();
    // Opens the handle on the three paths; 1 when the definition file exists and is a file.
    [[nodiscard]] int Open(const std::string& definitionFile, const std::string& mainteFolder,
                           const std::string& defaultFolder);

    CPgmHandle& Handle() { return handle_; }
    const std::string& DefinitionFile() const { return definitionFile_; }
    const std::string& MainteFolder() const { return mainteFolder_; }
    const std::string& DefaultFolder() const { return defaultFolder_; }

    // The value list of an item: the integers of "ITEM_%03d_VALUE" in section "PGM_MENU_%03d" of
    // the definition file, comma-separated, in order (each read by the leading-digits rule, a
    // token without digits counting 0). 1 on success; 0 when the key is missing or empty, and the
    // page keeps its built-in list.
    [[nodiscard]] int GetValueList(int menuNo, int itemNo, std::vector<int>& values) const;

    // The title a shop owner reads for an item (item_title.h).
    std::string GetItemTitle(int menuNo, int itemNo) const;
    // The lowest and highest number the register takes for a number item, from "ITEM_%03d_RANGE"
    // ("low,high"); nullopt when the definition gives none.
    std::optional<std::pair<uint64_t, uint64_t>> GetItemRange(int menuNo, int itemNo) const;
    // For an item whose value must differ from record to record within its file (a PLU code, a
    // clerk's secret code), the item that names a record in messages: "ITEM_%03d_UNIQUE". 0
    // for an item that may repeat.
    [[nodiscard]] int GetUniqueNameItem(int menuNo, int itemNo) const;

  private:
    CPgmHandle handle_;
    std::string definitionFile_;
    std::string mainteFolder_;
    std::string defaultFolder_;
};

}  // namespace tk73editor
