#pragma once
// What a handle of the LAN dialogs holds.

#include <cstdint>
#include <string>
#include <vector>

#include "landialogs/lan_task.h"
#include "landialogs/send_preview.h"
#include "network/app_context.h"

struct TK73LanHandle {
    static constexpr uint32_t kMagic = 0x4C414E48;  // "LANH"

    uint32_t magic = kMagic;
    bool controller = false;
    TK73APC* context = nullptr;
    std::vector<tk73lan::LanTask> tasks;
    // The addresses chosen in the select dialog.
    std::vector<std::string> addresses;
    // Of a register send: what the select dialog previews, and whether the user chose to send
    // only the files that changed.
    tk73lan::SendPreview preview;
    bool changedOnly = false;
};

namespace tk73lan {

// The handle, or null for a null or foreign one.
TK73LanHandle* validHandle(TK73LanHandle* handle);

// The select dialog of a register send run on the handle shows the preview's changes and asks
// whether only the files that changed go.
void setSendPreview(TK73LanHandle* handle, SendPreview preview);
// What the user chose in it; false without a preview.
bool sendChangedOnly(TK73LanHandle* handle);

}  // namespace tk73lan
