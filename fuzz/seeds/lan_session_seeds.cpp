// Each seed is the fuzz target's input: a first byte (top bit: the target signs in first; bit 0:
// the PC sends, else it receives), then what the register sends. The files are the store's own,
// as the service packs them: the register sends back what it would have got.

#include "fuzz/seeds/lan_session_seeds.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "fuzz/lan_session_store.h"
#include "fuzz/seeds/register_telegrams.h"
#include "fuzz/seeds/seed_files.h"
#include "network/file_conversion.h"
#include "network/telegram_header.h"

namespace tk73seeds {

namespace {

constexpr char kTarget[] = "lan_session";
constexpr char kSignedIn = '\x80';
constexpr char kPcSends = '\x01';
constexpr uint32_t kOverLimit = (64u << 20) + 1;

// The file as the service sends it: a data file as it is, any other packed and converted.
std::string packed(const std::string& work, int fileNo) {
    const std::string path = work + "/packed.bin";
    if (TK73ssl_PackBinFile(path.c_str(), fileNo) != 1) {
        std::fprintf(stderr, "cannot pack file %d of the LAN store\n", fileNo);
        std::exit(1);
    }
    std::string bytes = readRequired(path);
    std::remove(path.c_str());
    return bytes;
}

class Sessions {
  public:
    Sessions(const std::string& corpus, const std::string& work) : corpus_(corpus) {
        for (const int fileNo : tk73fuzz::kLanWorkFiles) {
            files_[fileNo] = packed(work, fileNo);
        }
        anotherFile_ = packed(work, kAnotherFile);
    }

    void write() const {
        RegisterTelegrams receive;
        receive.askForWork();
        sendAll(receive);
        put("receive_session", kSignedIn, receive);
        put("receive_session_signed_in", 0,
            RegisterTelegrams().authenticate().raw(receive.bytes()));

        RegisterTelegrams send;
        send.askForWork();
        fetchAll(send);
        put("send_session", kSignedIn | kPcSends, send);
        put("send_session_signed_in", kPcSends,
            RegisterTelegrams().authenticate().raw(send.bytes()));

        put("wrong_password", 0, RegisterTelegrams().authenticate("000000").raw(receive.bytes()));
        put("signed_in_twice", 0, RegisterTelegrams().authenticate().authenticate());
        put("busy_register", kSignedIn, RegisterTelegrams().askForWork(true).askForWork());
        writeHostile();
    }

  private:
    static constexpr int kPlu = 4;
    static constexpr int kDepartment = 5;
    static constexpr int kJournal = 90;
    // A file off the work list: the department file's pack may hold it instead.
    static constexpr int kAnotherFile = 6;

    // What hostile registers do within a session.
    void writeHostile() const {
        RegisterTelegrams other;
        other.askForWork().sendFile(kDepartment, anotherFile_);
        put("pack_of_another_file", kSignedIn, other.sendFile(kPlu, file(kPlu)));

        RegisterTelegrams push;
        push.askForWork().fetchFile(kPlu, 1, 1).sendFile(kDepartment, file(kDepartment));
        push.fetchFile(kPlu, 2, blocks(kPlu));
        put("push_while_sending", kSignedIn | kPcSends, push);

        RegisterTelegrams twice;
        twice.askForWork().sendFile(kDepartment, file(kDepartment));
        twice.sendFile(kDepartment, file(kDepartment)).sendFile(kJournal, file(kJournal));
        put("file_received_twice", kSignedIn, twice);

        RegisterTelegrams fetchedTwice;
        fetchedTwice.askForWork().fetchFile(kDepartment, 1, blocks(kDepartment));
        fetchedTwice.fetchFile(kDepartment, 1, blocks(kDepartment));
        put("file_fetched_twice", kSignedIn | kPcSends, fetchedTwice);

        RegisterTelegrams past;
        past.askForWork().fetchFile(kDepartment, 1, blocks(kDepartment) + 1);
        put("block_after_last", kSignedIn | kPcSends, past.fetchFile(kJournal, 1, 1));

        // Headers without data, so that each dropped one leaves the stream in step.
        RegisterTelegrams damaged;
        damaged.addDamaged(tk73net::kTypeWorkRequest, "", 15, 0x00, false);
        damaged.addDamaged(tk73net::kTypeWorkRequest, "", 0, 2, true);
        damaged.addDamaged(tk73net::kTypeWorkRequest, "", 4, 0xC3, true);
        damaged.askForWork();
        damaged.addDamaged(tk73net::kTypeRegisterSends, "", 12, 0, true);
        damaged.addDamaged(0x1350, "", 12, 1, true);
        damaged.addDamaged(0x1200, "", 12, 1, true);
        put("damaged_headers", kSignedIn, damaged.raw(std::string("\x01\x00\x42\x13", 4)));

        RegisterTelegrams oversized;
        oversized.askForWork().sendFile(kDepartment, file(kDepartment), tk73net::kSendBlock,
                                        kOverLimit);
        oversized.sendFile(kDepartment, file(kDepartment), tk73net::kSendBlock,
                           static_cast<uint32_t>(file(kDepartment).size() / 2));
        put("oversized_file", kSignedIn, oversized.sendFile(kJournal, file(kJournal)));
        put("oversized_telegram", kSignedIn,
            RegisterTelegrams().askForWork().announce(tk73net::kTypeRegisterSends, 1,
                                                      tk73net::kMaxTelegramData + 1));
    }

    void sendAll(RegisterTelegrams& telegrams) const {
        for (const auto& [fileNo, bytes] : files_) {
            telegrams.sendFile(fileNo, bytes);
        }
    }
    void fetchAll(RegisterTelegrams& telegrams) const {
        for (const auto& [fileNo, bytes] : files_) {
            telegrams.fetchFile(fileNo, 1, blocksOf(bytes));
        }
    }
    const std::string& file(int fileNo) const { return files_.at(fileNo); }
    int blocks(int fileNo) const { return blocksOf(file(fileNo)); }

    void put(const char* name, char mode, const RegisterTelegrams& telegrams) const {
        writeSeed(corpus_, kTarget, name, std::string(1, mode) + telegrams.bytes());
    }

    std::string corpus_;
    std::map<int, std::string> files_;
    std::string anotherFile_;
};

}  // namespace

void writeLanSessionSeeds(const std::string& corpus, const std::string& work) {
    Sessions(corpus, work).write();
}

}  // namespace tk73seeds
