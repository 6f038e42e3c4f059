#include "operations/file_ids.h"

#include <cstdio>

namespace tk73ops {

namespace {
constexpr size_t kIdDigits = 6;
}

std::string fileIdList(const std::vector<uint32_t>& files) {
    std::string list;
    for (uint32_t fileNo : files) {
        char id[16];
        std::snprintf(id, sizeof id, "%06u", fileNo);
        list += id;
    }
    return list;
}

std::vector<int> fileNumbersOfIds(const std::string& ids) {
    std::vector<int> files;
    for (size_t at = 0; at + kIdDigits <= ids.size(); at += kIdDigits) {
        files.push_back(std::stoi(ids.substr(at, kIdDigits)));
    }
    return files;
}

}  // namespace tk73ops
