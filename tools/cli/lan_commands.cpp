// send and receive: program files of a store to or from its registers over the LAN, register
// by register, with one line of result per register. A register that fails does not stop the
// others; --retry serves the failed ones again once every register has had its turn, which
// gives a busy register time to finish what it was doing.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/file_version_converter.h"
#include "operations/field_titles.h"
#include "operations/file_ids.h"
#include "operations/ops_sock_register.h"
#include "operations/send_selection.h"
#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/store_scope.h"
#include "tools/cli/terminal_text.h"
#include "tools/cli/transfer_choice.h"

namespace tk73cli {

using tk73ops::StoreDefinitionFile;

namespace {

constexpr int kMaxRetries = 99;
constexpr int kRegisterKind = 0;

struct RegisterOutcome {
    std::string address;
    bool done = false;
    std::string message;
    std::vector<int> failedFiles;
};

// Whether the store has every file; a file it lacks is named on standard error.
bool storeHasFiles(int storeNo, const std::vector<uint32_t>& files) {
    const auto pgmFile = tk73pgm::pgmFileOfKind(storeNo, kRegisterKind);
    for (uint32_t fileNo : files) {
        char path[TK73_MAX_PATH] = {};
        // Whether the file exists is asked below, for the message.
        (void)pgmFile->CreateMainteFullPath(static_cast<int>(fileNo), path);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            std::fprintf(stderr, "tk73: store %d has no program file %u\n", storeNo, fileNo);
            return false;
        }
    }
    return true;
}

std::string commaList(const std::vector<int>& numbers) {
    std::string text;
    for (int number : numbers) {
        text += (text.empty() ? "" : ",") + std::to_string(number);
    }
    return text;
}

void transfer(CTK73opsSockRegister& work, int machineNo, RegisterOutcome& outcome) {
    char message[CTK73opsSockRegister::kMessageRoom] = {};
    char detail[CTK73opsSockRegister::kDetailRoom] = {};
    outcome.done = CTK73opsSockRegister::RunSendJC(machineNo, &work, "000", "000",
                                                   outcome.address.c_str(), message, detail) == 1;
    outcome.message = message;
    outcome.failedFiles = outcome.done ? std::vector<int>{} : tk73ops::fileNumbersOfIds(detail);
}

void printOutcomes(const std::vector<RegisterOutcome>& outcomes, bool json) {
    if (!json) {
        for (const RegisterOutcome& outcome : outcomes) {
            std::printf("%s\t%s\t%s\t%s\n", outcome.address.c_str(),
                        outcome.done ? "done" : "failed", TerminalText(outcome.message).c_str(),
                        commaList(outcome.failedFiles).c_str());
        }
        return;
    }
    std::vector<std::string> items;
    for (const RegisterOutcome& outcome : outcomes) {
        std::vector<std::string> failed;
        for (int fileNo : outcome.failedFiles) {
            failed.push_back(std::to_string(fileNo));
        }
        items.push_back(JsonObject()
                            .Text("address", outcome.address)
                            .Text("result", outcome.done ? "done" : "failed")
                            .Text("message", outcome.message)
                            .Raw("failedFiles", JsonArray(failed))
                            .Str());
    }
    std::printf("%s\n", JsonArray(items).c_str());
}

// The registers to serve and the files each is to get or give.
std::vector<tk73ops::RegisterFiles> registerWork(const CommandLine& line, int storeNo,
                                                 const std::vector<std::string>& addresses,
                                                 const std::vector<uint32_t>& files) {
    std::vector<tk73ops::RegisterFiles> work;
    if (line.has("retry-failed")) {
        for (tk73ops::RegisterFiles& failed : tk73ops::lastFailedSends(storeNo)) {
            if (addresses.empty() ||
                std::find(addresses.begin(), addresses.end(), failed.address) != addresses.end()) {
                work.push_back(std::move(failed));
            }
        }
        return work;
    }
    for (const std::string& address : addresses) {
        work.push_back({address, line.has("changed-only")
                                     ? tk73ops::filesChangedOnStore(storeNo, address, files)
                                     : files});
    }
    return work;
}

int runTransfer(const CommandLine& line, int workKind) {
    const std::vector<std::string> addresses = checkedAddresses(line.positional());
    if (line.has("retry-failed") && (line.has("changed-only") || line.has("files"))) {
        throw UsageError("--retry-failed sends the files that failed; it takes no other choice");
    }
    if (addresses.empty() && !line.has("retry-failed")) {
        throw UsageError("name the registers' addresses");
    }
    const int retries = line.numberOr("retry", 0, 0, kMaxRetries);
    const bool chosen = line.has("files");
    const std::vector<uint32_t> listed =
        chosen ? parseFiles(line.value("files")) : std::vector<uint32_t>{};
    StoreScope scope;
    const int storeNo = StoreOf(line);
    STORE_EDB store;
    if (!scope.Select(storeNo) || !FindStore(storeNo, store)) {
        return kExitNotFound;
    }
    const std::string definition = StoreDefinitionFile(store, false);
    if (definition.empty()) {
        std::fprintf(stderr, "tk73: store %d has no register\n", storeNo);
        return kExitNotFound;
    }
    const std::vector<uint32_t> files = chosen ? listed : easyFiles(definition);
    if (files.empty()) {
        std::fprintf(stderr, "tk73: the register's definition names no files to transfer\n");
        return kExitNotFound;
    }
    const std::vector<tk73ops::RegisterFiles> work = registerWork(line, storeNo, addresses, files);
    std::vector<CTK73opsSockRegister> sessions;
    std::vector<RegisterOutcome> outcomes;
    for (const tk73ops::RegisterFiles& one : work) {
        if (!storeHasFiles(storeNo, one.files)) {
            return kExitNotFound;
        }
        sessions.emplace_back(workKind, one.files);
        // A register that has every file already needs no session.
        outcomes.push_back(
            {one.address, one.files.empty(), one.files.empty() ? "No file changed." : "", {}});
    }
    for (int round = 0; round <= retries; ++round) {
        for (size_t machine = 0; machine < outcomes.size(); ++machine) {
            if (!outcomes[machine].done) {
                transfer(sessions[machine], static_cast<int>(machine), outcomes[machine]);
            }
        }
    }
    if (workKind == CTK73opsSockRegister::kReceive) {
        // Whatever came in, the files of the store keep one format version per file, as after
        // the shell's receive.
        CTK73packFileVersionConverter(0).UpdateFileVersion();
    }
    printOutcomes(outcomes, line.has("json"));
    const auto failed = std::count_if(outcomes.begin(), outcomes.end(),
                                      [](const RegisterOutcome& outcome) { return !outcome.done; });
    if (failed != 0) {
        std::fprintf(stderr, "tk73: %ld of %zu registers failed\n", static_cast<long>(failed),
                     outcomes.size());
        return kExitRegisterFailed;
    }
    return kExitOk;
}

int runSend(const CommandLine& line, CliUserInteraction&) {
    return runTransfer(line, CTK73opsSockRegister::kSend);
}

int runReceive(const CommandLine& line, CliUserInteraction&) {
    return runTransfer(line, CTK73opsSockRegister::kReceive);
}

std::vector<OptionSpec> transferOptions() {
    return {kStoreOption,
            {"files", "LIST", "the program files, e.g. 4,5,998 (default: the model's easy list)"},
            {"retry", "N", "serve a failed register again, up to N more times (default 0)"},
            kJsonOption};
}

std::vector<OptionSpec> sendOptions() {
    std::vector<OptionSpec> options = transferOptions();
    options.push_back({"changed-only", nullptr,
                       "only the files that differ from the register's copy in the store's "
                       "history (or that it has no copy of)"});
    options.push_back({"retry-failed", nullptr,
                       "to each register whose last send failed (of the addresses, when given), "
                       "the files that failed"});
    return options;
}

}  // namespace

std::vector<Command> LanCommands() {
    constexpr int kMaxRegisters = 999;
    return {
        {"send",
         "[--store N] [--files LIST] [--changed-only] [--retry N] [--json] ADDRESS... | "
         "[--store N] --retry-failed [--retry N] [--json] [ADDRESS...]",
         "Sends a store's program files to the registers at the addresses over the LAN; a "
         "line per register: address, done or failed, message, the files that failed.",
         sendOptions(), 0, kMaxRegisters, runSend},
        {"receive", "[--store N] [--files LIST] [--retry N] [--json] ADDRESS...",
         "Fetches program files from the registers at the addresses into a store over the "
         "LAN; a line per register, as send prints.",
         transferOptions(), 0, kMaxRegisters, runReceive},
    };
}

}  // namespace tk73cli
