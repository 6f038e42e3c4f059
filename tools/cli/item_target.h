#pragma once
// The setting item that get and set work on, resolved through the program file handle of a
// store's register or Vek controller: by menu and item number as the definition's menus name it,
// or by the field title of the definition on a whole field of a program file.

#include <string>

#include "programfiles/cmn_mainte_base.h"
#include "programfiles/pgm_item_def.h"
#include "tools/cli/command_line.h"

namespace tk73cli {

class ItemTarget {
  public:
    // Opens the handle of the store the command names (--store, --vek) and resolves the item
    // (--menu and --item, or --file and --field) and the records (--record or --records, by
    // default every record of the item). Answers the exit code: 0 when resolved, otherwise the
    // reason is on standard error. Throws UsageError for a command line that names no item.
    int Resolve(const CommandLine& line);

    CPgmHandle& Handle();
    tagPGMITEMDEF& Def() { return def_; }
    int StoreNo() const { return storeNo_; }
    int FirstRecord() const { return first_; }
    int RecordCount() const { return last_ - first_ + 1; }

  private:
    int ResolveMenuItem(int menuNo, int itemNo);
    int ResolveField(int fileNo, const std::string& title);

    CCmnMainteBase base_;
    int storeNo_ = 0;
    bool vek_ = false;
    tagPGMITEMDEF def_;
    int first_ = 0;
    int last_ = 0;
};

}  // namespace tk73cli
