#pragma once
// The request handling of one register session: it takes each telegram that arrived (header
// checked, data plus padding as received), decrypts it, classifies it and builds the answer
// telegram. The transport around it (service_loop.h) receives and sends.

#include <cstdint>
#include <string>
#include <vector>

#include "network/app_context.h"
#include "network/crypt_hooks.h"
#include "network/service_context.h"
#include "network/trace_writer.h"

namespace tk73net {

class CTK73sslService {
  public:
    // workKind: 1 the PC sends, 0 it receives; fileNos: the work list.
    CTK73sslService(TK73APC* context, int workKind, std::vector<int> fileNos, CTK73netTrace* trace);
    ~CTK73sslService();
    CTK73sslService(const CTK73sslService&) = delete;
    CTK73sslService& operator=(const CTK73sslService&) = delete;

    TK73CRPKEY& keys() { return keys_; }

    // Answers one telegram into answer (header, data, padding). False when the session ends
    // (after answer has been sent, if answer is not empty).
    bool handle(const uint8_t* header, std::vector<uint8_t>& data, std::vector<uint8_t>& answer);
    // The answer to a header announcing more than a telegram holds; the session ends after it.
    void answerOversized(const uint8_t* header, std::vector<uint8_t>& answer);

    // Every file of the work list has had its last answer.
    bool done() const { return workAnswered_ && finished_ >= static_cast<int>(fileNos_.size()); }
    // Counts one finished file when an answer to a file telegram without continuation went
    // out.
    void answerSent(const std::vector<uint8_t>& answer);
    // The failed-file list, with the file that was on its way when the session broke off.
    std::vector<std::string> failedFiles(bool brokenOff) const;

  private:
    enum State { kStart = 0, kIdentified = 1, kExchanged = 3, kFileService = 4 };

    void authenticate(const uint8_t* header, const std::vector<uint8_t>& data,
                      std::vector<uint8_t>& answer);
    bool serveFile(const uint8_t* header, const std::vector<uint8_t>& data,
                   std::vector<uint8_t>& answer);
    bool answerWork(const uint8_t* header, const std::vector<uint8_t>& data,
                    std::vector<uint8_t>& answer);
    // Builds the answer; false (answer empty) when it cannot be set or encrypted.
    bool makeAnswer(const uint8_t* request, uint8_t result, const std::vector<uint8_t>& data,
                    bool more, std::vector<uint8_t>& answer);
    bool answerError(const uint8_t* request, uint8_t result, std::vector<uint8_t>& answer);
    void failWithoutContext(const uint8_t* header, const std::vector<uint8_t>& data);

    TK73APC* context_;
    int workKind_;
    std::vector<int> fileNos_;
    CTK73netTrace* trace_;
    TK73CRPKEY keys_{};
    TK73SSC* ssc_ = nullptr;
    State state_ = kStart;
    bool keysSet_ = false;
    bool workAnswered_ = false;
    int finished_ = 0;
    uint8_t registerValues_[8] = {};
    std::vector<std::string> failedWithoutContext_;
};

}  // namespace tk73net
