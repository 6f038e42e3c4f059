// store create|copy|delete|set-model: the store life cycle with the store configuration's rules.

#include <cstdio>
#include <string>

#include "storedb/edb_branch.h"
#include "storedb/store_life_cycle.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/store_scope.h"

namespace tk73cli {

namespace {

constexpr const char* kCaption = "tk73";
constexpr OptionSpec kModelOption{"model", "N", "the register model (0: none)"};
constexpr OptionSpec kVekModelOption{"vek-model", "N", "the controller model (0: none)"};

int runCreate(const CommandLine& line, CliUserInteraction&) {
    STORE_EDB store;
    store.storeName = line.value("name");
    store.regModelNo = line.numberOr("model", 0, 0, 9999);
    store.vekModelNo = line.numberOr("vek-model", 0, 0, 9999);
    store.branchNo = line.numberOr("branch", 0, 0, EDB_MAX_BRANCH);
    if (store.regModelNo == 0 && store.vekModelNo == 0) {
        throw UsageError("a store needs --model or --vek-model");
    }
    BRANCH_EDB branch;
    if (!CheckModel(store.regModelNo, false) || !CheckModel(store.vekModelNo, true)) {
        return kExitNotFound;
    }
    if (CTK73edbBranch().GetBranchFromBranchNo(store.branchNo, &branch) == 0) {
        std::fprintf(stderr, "tk73: there is no branch %d\n", store.branchNo);
        return kExitNotFound;
    }
    if (!CheckStoreName(store.storeName)) {
        return kExitBadValue;
    }
    const StoreScope scope;
    if (tk73store::CreateStore(store) != 1) {
        std::fprintf(stderr, "tk73: the store could not be created\n");
        return kExitFailed;
    }
    std::printf("%d\n", store.storeNo);
    return kExitOk;
}

int runCopy(const CommandLine& line, CliUserInteraction&) {
    const int source = line.number("store", 1, EDB_MAX_STORE);
    STORE_EDB record;
    if (!FindStore(source, record)) {
        return kExitNotFound;
    }
    if (line.has("name") && !CheckStoreName(line.value("name"))) {
        return kExitBadValue;
    }
    STORE_EDB copy;
    if (tk73store::PrepareStoreCopy(source, copy, kCaption) != 1) {
        std::fprintf(stderr, "tk73: store %d cannot be copied\n", source);
        return kExitFailed;
    }
    copy.storeName = line.valueOr("name", copy.storeName);
    if (tk73store::CopyStore(source, copy, kCaption) != 1) {
        return kExitFailed;
    }
    std::printf("%d\n", copy.storeNo);
    return kExitOk;
}

int runDelete(const CommandLine& line, CliUserInteraction& ui) {
    const int storeNo = line.number("store", 1, EDB_MAX_STORE);
    STORE_EDB record;
    if (!FindStore(storeNo, record)) {
        return kExitNotFound;
    }
    if (tk73store::ConfirmDeleteStore(record, kCaption) != 1) {
        return kExitRefused;
    }
    return tk73store::DeleteStore(storeNo, kCaption) == 1 ? kExitOk : kExitFailed;
}

int runSetModel(const CommandLine& line, CliUserInteraction&) {
    const int storeNo = line.number("store", 1, EDB_MAX_STORE);
    if (!line.has("model") && !line.has("vek-model")) {
        throw UsageError("give --model, --vek-model or both");
    }
    STORE_EDB record;
    if (!FindStore(storeNo, record)) {
        return kExitNotFound;
    }
    record.regModelNo = line.numberOr("model", record.regModelNo, 0, 9999);
    record.vekModelNo = line.numberOr("vek-model", record.vekModelNo, 0, 9999);
    if (record.regModelNo == 0 && record.vekModelNo == 0) {
        throw UsageError("a store keeps at least one model");
    }
    if (!CheckModel(record.regModelNo, false) || !CheckModel(record.vekModelNo, true)) {
        return kExitNotFound;
    }
    const std::string question =
        "The program files of a changed model are replaced by that model's defaults. Change "
        "the models of \"" +
        record.storeName + "\"?";
    if (tk73::ui().question(question, kCaption, tk73::Buttons::YesNo, tk73::Button::No,
                            tk73::MessageIcon::Exclamation) != tk73::Button::Yes) {
        return kExitRefused;
    }
    const StoreScope scope;
    if (tk73store::ChangeStore(record) != 1) {
        std::fprintf(stderr, "tk73: the models of store %d could not be changed\n", storeNo);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> StoreCommands() {
    return {
        {"store create",
         "--name NAME (--model N | --vek-model N) [--branch N]",
         "Creates a store with the default settings of its models and prints its number.",
         {{"name", "NAME", "the store's name", kStoredText},
          kModelOption,
          kVekModelOption,
          {"branch", "N", "the branch (default 0: none)"}},
         0,
         0,
         runCreate},
        {"store copy",
         "--store N [--name NAME]",
         "Copies a store, settings and all, and prints the copy's number.",
         {{"store", "N", "the store to copy"},
          {"name", "NAME", "the copy's name (default: the copy name of the store)", kStoredText}},
         0,
         0,
         runCopy},
        {"store delete",
         "--store N [--yes]",
         "Deletes a store and its folder.",
         {{"store", "N", "the store to delete"}, kYesOption},
         0,
         0,
         runDelete},
        {"store set-model",
         "--store N [--model N] [--vek-model N] [--yes]",
         "Changes a store's models; a changed side gets the new model's default settings.",
         {{"store", "N", "the store"}, kModelOption, kVekModelOption, kYesOption},
         0,
         0,
         runSetModel},
    };
}

}  // namespace tk73cli
