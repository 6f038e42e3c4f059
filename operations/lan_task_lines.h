#pragma once
// The run dialog's task lines of the machines chosen in a select dialog.

#include <string>
#include <vector>

#include "landialogs/lan_dialogs.h"

namespace tk73ops {

using SelectedCount = int(TK73_API*)(TK73LanHandle*);
using SelectedAddress = int(TK73_API*)(TK73LanHandle*, int, char*);

// One line "000,Brch,000,Store,%03d,%s" per chosen address (its list index and the address),
// lines separated by CR LF.
std::string taskLinesOf(TK73LanHandle* select, SelectedCount count, SelectedAddress address);
// The same lines for the addresses.
std::string taskLinesOf(const std::vector<std::string>& addresses);

}  // namespace tk73ops
