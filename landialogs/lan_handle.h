#pragma once
// What a handle of the LAN dialogs holds.

#include <cstdint>
#include <string>
#include <vector>

#include "landialogs/lan_task.h"
#include "network/app_context.h"

struct TK73LanHandle {
    static constexpr uint32_t kMagic = 0x4C414E48;  // "LANH"

    uint32_t magic = kMagic;
    bool controller = false;
    TK73APC* context = nullptr;
    std::vector<tk73lan::LanTask> tasks;
    // The addresses chosen in the select dialog.
    std::vector<std::string> addresses;
};

namespace tk73lan {

// The handle, or null for a null or foreign one.
TK73LanHandle* validHandle(TK73LanHandle* handle);

}  // namespace tk73lan
