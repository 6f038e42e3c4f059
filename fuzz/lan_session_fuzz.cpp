// Arbitrary telegram streams into the file service's request handling, as a register could send
// them. With the first byte's top bit set, a correct authentication comes first, so that the
// fuzzer spends its time in the work request and the file telegrams.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_environment.h"
#include "fuzz/lan_session_store.h"
#include "network/service_loop.h"
#include "network/telegram_header.h"
#include "platform/dynamic_library.h"

namespace {

class MemoryLink : public tk73net::TelegramLink {
  public:
    MemoryLink(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int receive(uint8_t* buffer, int size, int) override {
        const size_t part = std::min(static_cast<size_t>(size), size_ - at_);
        if (part == 0) {
            return 0;
        }
        std::memcpy(buffer, data_ + at_, part);
        at_ += part;
        return static_cast<int>(part);
    }
    // Every answer must be a sound telegram: its check byte right, within the size limit.
    bool send(const uint8_t* bytes, int length) override {
        if (length < tk73net::kHeaderSize || bytes[15] != tk73net::headerCheckByte(bytes) ||
            static_cast<uint32_t>(length) !=
                tk73net::kHeaderSize + tk73net::headerDataLength(bytes) + bytes[7] ||
            tk73net::headerDataLength(bytes) + bytes[7] > tk73net::kMaxTelegramData) {
            __builtin_trap();
        }
        return true;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void appendTelegram(std::vector<uint8_t>& out, uint8_t step, size_t length) {
    uint8_t header[16] = {1, 0, 0x41, 0x13, 0, 0, 1, 0};
    tk73net::setHeaderDataLength(header, static_cast<uint32_t>(length));
    header[14] = 0xFF;
    header[15] = tk73net::headerCheckByte(header);
    out.insert(out.end(), header, header + 16);
    std::vector<uint8_t> data(length, 0);
    data[0] = data[1] = 0xFF;
    data[2] = step;
    if (step == 1) {
        std::memcpy(data.data() + 8, "TK73FUZZREG01", 13);
    } else if (step == 5) {
        std::memcpy(data.data() + 24, "583914", 6);
    }
    out.insert(out.end(), data.begin(), data.end());
}

std::vector<uint8_t> authentication() {
    std::vector<uint8_t> out;
    appendTelegram(out, 1, 32);
    appendTelegram(out, 4, 16);
    appendTelegram(out, 5, 32);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The files travel between the wire and a store's folder, packed and converted.
    tk73fuzz::openLanStore(tk73fuzz::usePrivateEnvironment());
    // The packer loads the converter for every file and unloads it again; the fuzzer keeps the
    // coverage counters of every instrumented library it has seen, so the converter stays loaded
    // for the whole run.
    if (tk73::loadLibrary("GLCONV.DLL") == nullptr) {
        abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    std::vector<uint8_t> stream;
    if ((data[0] & 0x80) != 0) {
        stream = authentication();
    }
    stream.insert(stream.end(), data + 1, data + size);
    TK73APC* context = TK73bslCreateAPC(nullptr);
    {
        tk73net::CTK73netTrace trace(context, "fuzz");
        tk73net::CTK73sslService service(context, data[0] & 1, tk73fuzz::kLanWorkFiles, &trace);
        TK73mslCrpKeyInit(context, &service.keys(), 1);
        MemoryLink link(stream.data(), stream.size());
        tk73net::runService(context, link, service, {1, 1}, trace);
        service.failedFiles();
    }
    TK73bslDeleteAPC(context);
    tk73fuzz::restoreLanStore();
    return 0;
}
