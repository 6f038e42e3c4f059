#include "tools/regsim/register_session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "platform/whole_file.h"

namespace tk73regsim {
namespace {

constexpr uint16_t kAuthentication = 0x1341;
constexpr uint16_t kRegisterSends = 0x1342;
constexpr uint16_t kPcSends = 0x1344;
constexpr uint16_t kWork = 0x13FF;
constexpr size_t kBlock = 1172;
constexpr char kRegisterCode[] = "TK73SIMREG001";  // 13 characters
constexpr uint8_t kEncryptedTypes = 0xC0;

std::vector<uint8_t> text(const std::string& value) {
    return std::vector<uint8_t>(value.begin(), value.end());
}

std::vector<uint8_t> authentication(uint8_t step, size_t length) {
    std::vector<uint8_t> data(length, 0);
    data[0] = data[1] = 0xFF;
    data[2] = step;
    return data;
}

uint32_t le32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
           static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

RegisterSession::RegisterSession(int socket, const Options& options)
    : link_(socket, options.answerSeconds), options_(options) {}

bool RegisterSession::request(uint16_t type, uint8_t subKind, uint16_t block,
                              const std::vector<uint8_t>& data, Answer* answer, bool more) {
    if (!link_.send(type, subKind, block, data, more)) {
        report_.violations.push_back("request could not be sent");
        return false;
    }
    if (!link_.receive(answer, &report_.violations)) {
        return false;
    }
    report_.results.push_back(answer->result());
    return true;
}

bool RegisterSession::authenticate() {
    // Keys are set only once step 1 is through: until then the register sends in the clear
    // when it is to use a cipher.
    link_.setEncryption(options_.encryption < kEncryptedTypes ? options_.encryption : 0);
    Answer answer;
    std::vector<uint8_t> step1 = authentication(1, 32);
    std::memcpy(step1.data() + 8, kRegisterCode, 13);
    if (!request(kAuthentication, 1, 0, step1, &answer) || answer.data.size() != 24 ||
        answer.data[2] != 2 || answer.data[8] != 0xFF) {
        report_.violations.push_back("step 2 missing");
        return false;
    }
    link_.setEncryption(options_.encryption);
    std::vector<uint8_t> step4 = authentication(4, 16);
    std::memcpy(step4.data() + 4, "XXXXSIMVALUE", 12);
    if (!request(kAuthentication, 1, 0, step4, &answer) || answer.data.size() != 16 ||
        std::memcmp(answer.data.data() + 4, "\0\0\0\0SIMVALUE", 12) != 0) {
        report_.violations.push_back("step 4 not answered back");
        return false;
    }
    std::vector<uint8_t> step5 = authentication(5, 32);
    const char* password = options_.fault == Fault::WrongPassword   ? "111111"
                           : options_.fault == Fault::ShortPassword ? "58391"
                                                                    : "583914";
    std::memcpy(step5.data() + 24, password, std::strlen(password));
    if (!request(kAuthentication, 1, 0, step5, &answer)) {
        return false;
    }
    if (answer.result() != 0xFF) {
        return false;  // the PC refused the step itself
    }
    report_.passwordAccepted = answer.data.size() == 16 && answer.data[2] == 6 &&
                               answer.data[8] == 0xFF && answer.data[9] == 0xFF;
    return true;
}

bool RegisterSession::askWork() {
    Answer answer;
    if (options_.fault == Fault::BadCheckByte &&
        (!link_.sendHeader(kWork, 0, 0, 0, 1) || !link_.staysQuiet(300))) {
        report_.violations.push_back("a header with a wrong check byte was answered");
        return false;
    }
    if (options_.fault == Fault::Oversized) {
        // 1190 data bytes and 16 of padding: the PC answers the header alone and ends.
        if (link_.sendHeader(kWork, 0, 1190, 16, 0) &&
            link_.receive(&answer, &report_.violations)) {
            report_.results.push_back(answer.result());
        }
        return false;
    }
    const uint8_t busy = options_.fault == Fault::Busy ? 1 : 0;
    if (!request(kWork, 0, 0, {busy}, &answer) || answer.data.size() < 8) {
        return false;
    }
    report_.workKind = answer.data[4];
    const int count = (answer.data[6] - '0') * 10 + (answer.data[7] - '0');
    if (busy == 1 || answer.data.size() != 8 + 6 * static_cast<size_t>(count)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const std::string id(answer.data.begin() + 8 + 6 * i, answer.data.begin() + 14 + 6 * i);
        report_.files.push_back(std::atoi(id.c_str()));
    }
    return true;
}

// The register takes a file from the PC, block by block, into its folder.
bool RegisterSession::fetchFile(int fileNo, bool first) {
    std::vector<uint8_t> ask = text(fileId(fileNo));
    ask.push_back(first && options_.fault == Fault::Cancel ? '1' : '0');
    ask.push_back(0);
    std::vector<uint8_t> image;
    Answer answer;
    for (uint16_t block = 1;; ++block) {
        if (!request(kPcSends, 0, block, ask, &answer)) {
            return false;
        }
        if (answer.result() != 0xFF || ask[6] == '1') {
            return true;  // refused or cancelled: on to the next file
        }
        if (answer.data.size() < 28) {
            report_.violations.push_back("file answer without its block head");
            return false;
        }
        const uint32_t total = le32(answer.data.data() + 4);
        image.insert(image.end(), answer.data.begin() + 28, answer.data.end());
        if (first && block == 1 && answer.more()) {
            if (options_.fault == Fault::CloseMidFile) {
                return false;
            }
            if (options_.fault == Fault::Silence) {
                link_.sendHeader(kPcSends, 2, 8, 0, 0);
                link_.staysQuiet(options_.answerSeconds * 1000);
                return false;
            }
        }
        if (!answer.more() && first && options_.fault == Fault::PastLastBlock) {
            const uint16_t past = static_cast<uint16_t>((total + kBlock - 1) / kBlock + 1);
            Answer refused;
            if (!request(kPcSends, 0, past, ask, &refused)) {
                return false;
            }
        }
        if (!answer.more()) {
            if (image.size() != total) {
                report_.violations.push_back("file size differs from its block head");
            }
            std::ofstream(storedFile(options_.folder, fileNo), std::ios::binary)
                .write(reinterpret_cast<const char*>(image.data()),
                       static_cast<std::streamsize>(image.size()));
            return true;
        }
    }
}

// The register hands a file of its folder to the PC, block by block.
bool RegisterSession::pushFile(int fileNo, bool first) {
    // A file the register does not hold goes out empty.
    const std::string image =
        tk73::readWholeFile(storedFile(options_.folder, fileNo)).value_or(std::string());
    const size_t blocks = image.empty() ? 1 : (image.size() + kBlock - 1) / kBlock;
    std::vector<uint8_t> head(12, 0);
    for (int i = 0; i < 4; ++i) {
        head[i] = static_cast<uint8_t>(image.size() >> (8 * i));
    }
    const std::string id = fileId(fileNo);
    std::copy(id.begin(), id.end(), head.begin() + 4);
    head[10] = first && options_.fault == Fault::Cancel ? '1' : '0';
    Answer answer;
    for (size_t block = 1; block <= blocks; ++block) {
        const size_t begin = std::min((block - 1) * kBlock, image.size());
        const size_t end = std::min(begin + kBlock, image.size());
        std::vector<uint8_t> data(head.size() + (end - begin));
        std::copy(head.begin(), head.end(), data.begin());
        std::copy(image.begin() + static_cast<long>(begin), image.begin() + static_cast<long>(end),
                  data.begin() + static_cast<long>(head.size()));
        const bool more = block < blocks && head[10] != '1';
        const uint16_t number = static_cast<uint16_t>(block);
        if (first && block == 2 && options_.fault == Fault::CloseMidFile) {
            return false;
        }
        if (first && block == 2 && options_.fault == Fault::Silence) {
            link_.sendHeader(kRegisterSends, number, static_cast<uint32_t>(data.size()), 0, 0);
            link_.staysQuiet(options_.answerSeconds * 1000);
            return false;
        }
        const int times = first && block == 2 && options_.fault == Fault::RepeatBlock ? 2 : 1;
        for (int time = 0; time < times; ++time) {
            if (!request(kRegisterSends, 0, number, data, &answer, more)) {
                return false;
            }
        }
        if (answer.result() != 0xFF || !more) {
            return true;
        }
    }
    return true;
}

void RegisterSession::pester(bool headers) {
    // Bounded, should the PC never close; a close the register takes no notice of, it goes on
    // until a send fails.
    constexpr int kMostTimes = 120;
    for (int time = 0; time < kMostTimes; ++time) {
        if (!(headers ? link_.sendHeader(kWork, 0, 0, 0, 1) : link_.sendRaw({0x55}))) {
            return;
        }
        ++report_.unanswered;
        std::this_thread::sleep_for(std::chrono::seconds(1));
    }
}

bool RegisterSession::doWork() {
    std::vector<int> order = report_.files;
    if (options_.fault == Fault::PushTwice && report_.workKind == 0 && !order.empty()) {
        order.insert(order.begin(), order.front());
        order.pop_back();
    }
    if (options_.fault == Fault::WrongDirection && !order.empty()) {
        // The PC refuses it with a sequence error and the work goes on.
        const bool wrong = report_.workKind == 1 ? pushFile(order.front(), false)
                                                 : fetchFile(order.front(), false);
        if (!wrong) {
            return false;
        }
    }
    if (options_.fault == Fault::BadHeaders) {
        pester(true);
        return false;
    }
    bool first = true;
    for (int fileNo : order) {
        const bool goOn =
            report_.workKind == 1 ? fetchFile(fileNo, first) : pushFile(fileNo, first);
        first = false;
        if (!goOn) {
            return false;
        }
    }
    if (options_.fault == Fault::TrickleAfterWork) {
        pester(false);
    }
    return true;
}

Report RegisterSession::run() {
    if (authenticate() && askWork()) {
        doWork();
    }
    return report_;
}

}  // namespace tk73regsim
