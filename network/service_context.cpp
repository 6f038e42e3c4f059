#include "network/service_context.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/install_folders.h"
#include "network/net_errors.h"

namespace {

constexpr size_t kBufferStep = 12000;

}  // namespace

TK73SSC* TK73sslSSCreateSSC(TK73APC* parent, const uint8_t* configuration) {
    if (configuration == nullptr) {
        tk73net::setError(parent, tk73net::kErrParameter, 0x021F7020, 0);
        return nullptr;
    }
    TK73SSC* ssc = new (std::nothrow) TK73SSC;
    if (ssc == nullptr) {
        tk73net::setError(parent, tk73net::kErrMemory, 0x021F7021, 0);
        return nullptr;
    }
    ssc->owner = parent;
    std::memcpy(ssc->configuration, configuration, sizeof ssc->configuration);
    return ssc;
}

bool TK73SSC::isWorkFile(int fileNo) const {
    return std::find(workFiles.begin(), workFiles.end(), fileNo) != workFiles.end();
}

void TK73sslSSDeleteSSC(TK73SSC* ssc) {
    delete ssc;
}

namespace tk73net {

int fileNumberOfId(const uint8_t* text) {
    int number = 0;
    for (int i = 0; i < 6; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

std::string scratchFile() {
    char temp[TK73_MAX_PATH] = {};
    return AecrbsGetTK73TempPath(temp) == 0 ? std::string() : std::string(temp) + "/temp.bin";
}

void addOnce(std::vector<std::string>& list, const std::string& fileId) {
    if (std::find(list.begin(), list.end(), fileId) == list.end()) {
        list.push_back(fileId);
    }
}

void reserveInSteps(std::vector<uint8_t>& buffer, size_t size) {
    if (size > buffer.capacity()) {
        // At least doubling: growing by one step at a time would copy a large file over and
        // over, once every ten blocks.
        buffer.reserve(
            std::max(size / kBufferStep * kBufferStep + kBufferStep, 2 * buffer.capacity()));
    }
}

}  // namespace tk73net
