// stores and models: what the store database and the installation hold.

#include <cstdio>
#include <string>

#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

namespace {

// The indent name of a model, "-" for none (0) or one the lists do not know.
std::string identOf(const CTK73edbModelBase& models, int modelNo) {
    MODEL_EDB model;
    return modelNo != 0 && models.GetModelFromModelNo(modelNo, &model) != 0 ? model.indentName
                                                                            : "-";
}

// A register or controller in use; the other places of a store's machine list are free.
struct Machine {
    const char* kind;
    STORE_MANAGE_ENTRY entry;
};

std::vector<Machine> machinesOf(int storeNo) {
    std::vector<Machine> machines;
    STORE_MANAGE block;
    // A store without a block lists no machines.
    (void)CTK73edbRegister(storeNo).GetRegister(&block);
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        if (entry.operateStatus == '1') {
            machines.push_back({"register", entry});
        }
    }
    // A store without a block lists no machines.
    (void)CTK73edbVek(storeNo).GetRegister(&block);
    for (const STORE_MANAGE_ENTRY& entry : block.entries) {
        if (entry.operateStatus == '1') {
            machines.push_back({"controller", entry});
        }
    }
    return machines;
}

int runStores(const CommandLine& line, CliUserInteraction&) {
    const CTK73edbBranch branches;
    const CTK73edbStore stores;
    const CTK73edbModel regModels;
    const CTK73edbVekModel vekModels;
    std::vector<std::string> branchJson;
    std::vector<std::string> storeJson;
    const bool json = line.has("json");
    for (int i = 0; i < branches.GetBranchCnt(); ++i) {
        BRANCH_EDB branch;
        // Within the count, so it cannot fail.
        (void)branches.GetBranchFromIndex(i, &branch);
        if (json) {
            branchJson.push_back(JsonObject()
                                     .Number("number", branch.branchNo)
                                     .Text("name", branch.branchName)
                                     .Str());
        } else {
            std::printf("branch\t%d\t%s\n", branch.branchNo,
                        TerminalText(branch.branchName).c_str());
        }
    }
    for (int i = 0; i < stores.GetStoreCnt(); ++i) {
        STORE_EDB store;
        // Within the count, so it cannot fail.
        (void)stores.GetStoreFromIndex(i, &store);
        const std::string reg = identOf(regModels, store.regModelNo);
        const std::string vek = identOf(vekModels, store.vekModelNo);
        std::vector<std::string> machineJson;
        if (!json) {
            std::printf("store\t%d\t%s\tbranch %d\tregister %s\tcontroller %s\n", store.storeNo,
                        TerminalText(store.storeName).c_str(), store.branchNo,
                        TerminalText(reg).c_str(), TerminalText(vek).c_str());
        }
        for (const Machine& machine : machinesOf(store.storeNo)) {
            if (json) {
                machineJson.push_back(JsonObject()
                                          .Text("kind", machine.kind)
                                          .Number("number", machine.entry.machineNo)
                                          .Text("name", machine.entry.machineName)
                                          .Text("address", machine.entry.ipAddr)
                                          .Str());
            } else {
                std::printf("  %s\t%d\t%s\t%s\n", machine.kind, machine.entry.machineNo,
                            TerminalText(machine.entry.machineName).c_str(),
                            machine.entry.ipAddr.c_str());
            }
        }
        if (json) {
            storeJson.push_back(JsonObject()
                                    .Number("number", store.storeNo)
                                    .Text("name", store.storeName)
                                    .Number("branch", store.branchNo)
                                    .Text("register_model", reg)
                                    .Text("controller_model", vek)
                                    .Raw("machines", JsonArray(machineJson))
                                    .Str());
        }
    }
    if (json) {
        std::printf("%s\n", JsonObject()
                                .Raw("branches", JsonArray(branchJson))
                                .Raw("stores", JsonArray(storeJson))
                                .Str()
                                .c_str());
    }
    return kExitOk;
}

void listModels(const CTK73edbModelBase& models, const char* kind, bool json,
                std::vector<std::string>& jsonItems) {
    for (int i = 0; i < models.GetModelCnt(); ++i) {
        MODEL_EDB model;
        // Within the count, so it cannot fail.
        (void)models.GetModelFromIndex(i, &model);
        if (json) {
            jsonItems.push_back(JsonObject()
                                    .Text("kind", kind)
                                    .Number("number", model.modelNo)
                                    .Text("ident", model.indentName)
                                    .Text("name", model.viewName)
                                    .Str());
        } else {
            std::printf("%s\t%d\t%s\t%s\n", kind, model.modelNo,
                        TerminalText(model.indentName).c_str(),
                        TerminalText(model.viewName).c_str());
        }
    }
}

int runModels(const CommandLine& line, CliUserInteraction&) {
    const bool json = line.has("json");
    std::vector<std::string> items;
    listModels(CTK73edbModel(), "register", json, items);
    listModels(CTK73edbVekModel(), "controller", json, items);
    if (json) {
        std::printf("%s\n", JsonArray(items).c_str());
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> ListCommands() {
    return {
        {"stores",
         "[--json]",
         "Lists the branches, and the stores with their models, registers and controllers.",
         {kJsonOption},
         0,
         0,
         runStores},
        {"models",
         "[--json]",
         "Lists the register and controller models installed.",
         {kJsonOption},
         0,
         0,
         runModels},
    };
}

}  // namespace tk73cli
