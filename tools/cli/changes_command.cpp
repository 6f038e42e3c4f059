// changes: what a send would change on each register: the fields that differ between the
// register's copy of each program file (what it got or sent last) and the store's file.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "operations/field_titles.h"
#include "operations/send_changes.h"
#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/register_history.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"
#include "tools/cli/transfer_choice.h"

namespace tk73cli {

namespace {

constexpr int kRegisterKind = 0;
constexpr const char* kNotKnown = "not known";

// The addresses of the store's registers in use, by machine number.
std::vector<std::string> storeRegisters(int storeNo) {
    STORE_MANAGE block;
    std::vector<std::string> addresses;
    if (CTK73edbRegister(storeNo).GetRegister(&block) == 1) {
        for (const STORE_MANAGE_ENTRY& entry : block.entries) {
            if (entry.operateStatus == '1' && !entry.ipAddr.empty()) {
                addresses.push_back(entry.ipAddr);
            }
        }
    }
    return addresses;
}

class ChangesReport {
  public:
    ChangesReport(int storeNo, bool json) : storeNo_(storeNo), json_(json) {}

    void Register(const std::string& address, int machineNo, const std::vector<uint32_t>& files) {
        std::vector<std::string> problems;
        const tk73lan::RegisterChanges changes =
            tk73ops::changesOnRegister(storeNo_, address, files, &problems);
        for (const std::string& problem : problems) {
            std::fprintf(stderr, "tk73: %s\n", problem.c_str());
        }
        count_ += static_cast<int>(changes.unknownFiles.size() + changes.fields.size());
        std::vector<std::string> fileItems;
        for (uint32_t fileNo : files) {
            char path[TK73_MAX_PATH] = {};
            // The path whether or not the file exists: only its name is wanted.
            (void)tk73pgm::pgmFileOfKind(storeNo_, kRegisterKind)
                ->CreateMainteFullPath(static_cast<int>(fileNo), path);
            const std::string name = std::filesystem::path(path).filename().string();
            const bool known = std::find(changes.unknownFiles.begin(), changes.unknownFiles.end(),
                                         name) == changes.unknownFiles.end();
            if (!known && !json_) {
                std::printf("%s\t%s\t%s\n", address.c_str(), name.c_str(), kNotKnown);
            }
            fileItems.push_back(JsonObject()
                                    .Text("file", name)
                                    .Raw("known", known ? "true" : "false")
                                    .Raw("changes", Changes(address, name, changes.fields))
                                    .Str());
        }
        items_.push_back(JsonObject()
                             .Text("address", address)
                             .Number("machine", machineNo)
                             .Raw("known", changes.known ? "true" : "false")
                             .Number("changedRecords", changes.changedRecords)
                             .Raw("files", JsonArray(fileItems))
                             .Str());
    }

    // The exit code: 1 when something would change or is not known.
    int Finish() const {
        if (json_) {
            std::printf("%s\n", JsonArray(items_).c_str());
        }
        return count_ == 0 ? kExitOk : kExitDifferent;
    }

  private:
    // The changes of the file, as JSON; printed as lines when no JSON is asked for.
    std::string Changes(const std::string& address, const std::string& name,
                        const std::vector<tk73lan::FieldChange>& fields) const {
        std::vector<std::string> items;
        for (const tk73lan::FieldChange& change : fields) {
            if (change.file != name) {
                continue;
            }
            items.push_back(JsonObject()
                                .Number("record", change.record)
                                .Number("field", change.fieldNo)
                                .Text("title", change.title)
                                .Text("register", change.onRegister)
                                .Text("store", change.inStore)
                                .Str());
            if (!json_) {
                std::printf("%s\t%s\t%d\t%d\t%s\t%s\t%s\n", address.c_str(), name.c_str(),
                            change.record, change.fieldNo, TerminalText(change.title).c_str(),
                            TerminalText(change.onRegister).c_str(),
                            TerminalText(change.inStore).c_str());
            }
        }
        return JsonArray(items);
    }

    int storeNo_;
    bool json_;
    std::vector<std::string> items_;
    int count_ = 0;
};

int runChanges(const CommandLine& line, CliUserInteraction&) {
    std::vector<std::string> addresses = checkedAddresses(line.positional());
    const std::vector<uint32_t> listed =
        line.has("files") ? parseFiles(line.value("files")) : std::vector<uint32_t>{};
    STORE_EDB store;
    if (!FindStore(StoreOf(line), store)) {
        return kExitNotFound;
    }
    const std::string definition = tk73ops::StoreDefinitionFile(store, false);
    if (definition.empty()) {
        std::fprintf(stderr, "tk73: store %d has no register\n", store.storeNo);
        return kExitNotFound;
    }
    if (addresses.empty()) {
        addresses = storeRegisters(store.storeNo);
    }
    std::vector<int> machines;
    for (const std::string& address : addresses) {
        machines.push_back(tk73store::registerMachineNoAt(store.storeNo, address));
        if (machines.back() == 0) {
            std::fprintf(stderr, "tk73: %s is no register of store %d\n", address.c_str(),
                         store.storeNo);
            return kExitNotFound;
        }
    }
    const std::vector<uint32_t> files = line.has("files") ? listed : easyFiles(definition);
    ChangesReport report(store.storeNo, line.has("json"));
    for (size_t index = 0; index < addresses.size(); ++index) {
        report.Register(addresses[index], machines[index], files);
    }
    return report.Finish();
}

}  // namespace

std::vector<Command> ChangesCommands() {
    return {
        {"changes",
         "[--store N] [--files LIST] [--json] [ADDRESS...]",
         "Lists what a send would change on each register (default: the store's registers), one "
         "field a line: address, file, record, field number, title, the register's and the "
         "store's value; a file the register's history has no copy of is \"not known\". Exit "
         "code 1 when something would change or is not known.",
         {kStoreOption,
          {"files", "LIST", "the program files, e.g. 4,5 (default: the model's easy list)"},
          kJsonOption},
         0,
         999,
         runChanges},
    };
}

}  // namespace tk73cli
