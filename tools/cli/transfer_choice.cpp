#include "tools/cli/transfer_choice.h"

#include <arpa/inet.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "definitions/def_pgm_file_ez.h"
#include "tools/cli/command_line.h"

namespace tk73cli {

namespace {
// The register's work list counts its files in two digits.
constexpr size_t kMaxFiles = 99;
}  // namespace

std::vector<uint32_t> parseFiles(const std::string& text) {
    std::vector<uint32_t> files;
    std::stringstream list(text);
    std::string part;
    while (std::getline(list, part, ',')) {
        const auto fileNo = static_cast<uint32_t>(parseNumber(part, "a file of --files", 1, 999));
        if (std::find(files.begin(), files.end(), fileNo) != files.end()) {
            throw UsageError("file " + part + " is listed twice");
        }
        files.push_back(fileNo);
    }
    if (files.empty() || files.size() > kMaxFiles || text.back() == ',') {
        throw UsageError("--files takes 1 to 99 file numbers separated by commas");
    }
    return files;
}

std::vector<std::string> checkedAddresses(const std::vector<std::string>& addresses) {
    std::set<std::string> seen;
    for (const std::string& address : addresses) {
        in_addr parsed{};
        if (inet_pton(AF_INET, address.c_str(), &parsed) != 1) {
            throw UsageError("\"" + address + "\" is not an IPv4 address");
        }
        if (!seen.insert(address).second) {
            throw UsageError("register " + address + " is named twice");
        }
    }
    return addresses;
}

std::vector<uint32_t> easyFiles(const std::string& definition) {
    const CTK73defPGMFILE_EZ easy(definition.c_str());
    std::vector<uint32_t> files;
    for (int index = 0; index < easy.GetValueCount(); ++index) {
        int fileNo = 0;
        if (easy.GetValueFromIndex(index, &fileNo) != 0) {
            files.push_back(static_cast<uint32_t>(fileNo));
        }
    }
    return files;
}

}  // namespace tk73cli
