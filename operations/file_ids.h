#pragma once
// The LAN file service names program files by six-digit ids, one after the other ("000004000005").

#include <cstdint>
#include <string>
#include <vector>

namespace tk73ops {

std::string fileIdList(const std::vector<uint32_t>& files);
// The file numbers of the whole ids in the list; a cut-off id at its end is left out.
std::vector<int> fileNumbersOfIds(const std::string& ids);

}  // namespace tk73ops
