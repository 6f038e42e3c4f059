#pragma once
// The "Transfer history" window's work, apart from its window: a store's transfer log newest
// first, filtered by register and by result, in the words of the table, and "Retry failed",
// which sends again exactly the files that failed to the registers they failed on.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"
#include "operations/transfer_log.h"

namespace tk73ops {

class TransferHistoryRequest : public tk73::DialogRequest {
  public:
    static constexpr std::string_view kName = "TransferHistory";
    enum class Result { Any, Done, Failed };

    // The store must be the active one: a retry sends its files.
    explicit TransferHistoryRequest(int storeNo);
    std::string_view dialogName() const override { return kName; }

    std::string title() const;
    static std::vector<std::string> columns();

    // Reads the log again.
    void reload();
    // The registers the log names, for the filter: "No. 2 127.0.0.1" (the store's number, which
    // stays when its address changes; the address alone for one the store does not list).
    std::vector<std::string> registerChoices() const;
    // index into registerChoices(); -1 for every register.
    void chooseRegister(int index);
    void chooseResult(Result result);
    // The entries the filters let through, newest first, and the table's words for one.
    std::vector<TransferLogEntry> shown() const;
    static std::vector<std::string> rowTexts(const TransferLogEntry& entry);

    // Whether any register's last send failed.
    bool canRetry() const;
    // Runs the sends again in the run dialog and reads the log again; the number of registers
    // served.
    int retryFailed();

  private:
    struct Register {
        int machineNo = 0;
        std::string address;
    };
    bool matches(const TransferLogEntry& entry) const;

    int storeNo_;
    std::vector<TransferLogEntry> entries_;  // newest first
    std::vector<Register> registers_;
    int register_ = -1;
    Result result_ = Result::Any;
};

}  // namespace tk73ops
