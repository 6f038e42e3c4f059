#pragma once
// The request handling of one register session: it takes each telegram that arrived (header
// checked, data plus padding as received), decrypts it, classifies it and builds the answer
// telegram. The transport around it (service_loop.h) receives and sends.

#include <cstdint>
#include <map>
#include <set>
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
    [[nodiscard]] bool handle(const uint8_t* header, std::vector<uint8_t>& data,
                              std::vector<uint8_t>& answer);
    // The answer to a header announcing more than a telegram holds; the session ends after it.
    void answerOversized(const uint8_t* header, std::vector<uint8_t>& answer);

    // Every file of the work list came in or went out whole, each counted once however often
    // the register sent or asked for it.
    bool done() const;
    // Every file of the work list has had its last answer, whole or not: the register has
    // nothing left to ask for.
    bool settled() const;
    // The files of the work list; bytes of file data that have travelled, each block once.
    size_t workFiles() const { return fileNos_.size(); }
    uint64_t transferred() const { return transferred_; }
    // Takes note of the file telegram's answer once it went out: a file that went out or came
    // in whole with it is done.
    void answerSent(const std::vector<uint8_t>& answer);
    // The files of the work list that did not come in or go out whole, once the register had
    // the work list; none before.
    std::vector<std::string> failedFiles() const;

  private:
    enum State { kStart = 0, kIdentified = 1, kExchanged = 3, kFileService = 4 };

    // False when the answer cannot be built (answer empty).
    [[nodiscard]] bool authenticate(const uint8_t* header, const std::vector<uint8_t>& data,
                                    std::vector<uint8_t>& answer);
    [[nodiscard]] bool serveFile(const uint8_t* header, const std::vector<uint8_t>& data,
                                 std::vector<uint8_t>& answer);
    [[nodiscard]] bool answerWork(const uint8_t* header, const std::vector<uint8_t>& data,
                                  std::vector<uint8_t>& answer);
    // Builds the answer; false (answer empty) when it cannot be set or encrypted.
    [[nodiscard]] bool makeAnswer(const uint8_t* request, uint8_t result,
                                  const std::vector<uint8_t>& data, bool more,
                                  std::vector<uint8_t>& answer);
    [[nodiscard]] bool answerError(const uint8_t* request, uint8_t result,
                                   std::vector<uint8_t>& answer);
    // The answer to a file telegram that goes the other way than the work.
    [[nodiscard]] bool refuseDirection(const uint8_t* header, std::vector<uint8_t>& answer);
    // Counts the block's data once, the first time it travels.
    void credit(int fileNo, uint16_t block, size_t bytes);

    TK73APC* context_;
    int workKind_;
    std::vector<int> fileNos_;
    CTK73netTrace* trace_;
    TK73CRPKEY keys_{};
    TK73SSC* ssc_ = nullptr;
    State state_ = kStart;
    bool keysSet_ = false;
    bool workAnswered_ = false;
    uint8_t registerValues_[8] = {};
    // The file telegram being answered: its file, and whether the file is whole with it.
    int answering_ = -1;
    bool answeringCompletes_ = false;
    std::set<int> settled_;
    std::set<int> completed_;
    std::map<int, uint16_t> creditedBlocks_;
    uint64_t transferred_ = 0;
};

}  // namespace tk73net
