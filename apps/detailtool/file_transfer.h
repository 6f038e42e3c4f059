#pragma once
// Sending chosen files of the store to its machines over the LAN, or fetching them back: the
// register's files to the registers, or the controller's to the controllers when the
// controller's setting is current.

#include <cstdint>
#include <vector>

#include "apps/detailtool/detail_start.h"

namespace tk73dtl {

// The files the definition names for the direction ("RECVFILES" or "SENDFILES" of the detail
// tool's send and receive section): the preset of the file selection.
std::vector<uint32_t> presetFiles(const CTK73defReg& definition, bool receive);

// Lets the user pick the machines and runs the transfer of the files.
void transferFiles(const DetailContext& context, bool receive, const std::vector<uint32_t>& files);

}  // namespace tk73dtl
