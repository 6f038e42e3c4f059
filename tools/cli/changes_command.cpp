// changes: what a send would change on each register: the fields that differ between the
// register's copy of each program file (what it got or sent last) and the store's file.

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/program_diff.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/register_history.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/field_titles.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"
#include "tools/cli/transfer_choice.h"

namespace tk73cli {

namespace {

namespace fs = std::filesystem;
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
    ChangesReport(const STORE_EDB& store, bool json)
        : store_(store), titles_(StoreDefinitionFile(store, false), false), json_(json) {}

    void Register(const std::string& address, int machineNo, const std::vector<uint32_t>& files) {
        std::vector<std::string> fileItems;
        std::set<std::pair<uint32_t, int>> changedRecords;
        bool known = true;
        for (uint32_t fileNo : files) {
            char path[TK73_MAX_PATH] = {};
            tk73pgm::pgmFileOfKind(store_.storeNo, kRegisterKind)
                ->CreateMainteFullPath(static_cast<int>(fileNo), path);
            const std::string name = fs::path(path).filename().string();
            const std::string copy =
                tk73store::registerSnapshotPath(store_.storeNo, machineNo) + "/" + name;
            std::vector<tk73pgm::FieldDifference> differences;
            std::string error;
            std::error_code missing;
            const bool compared = fs::is_regular_file(copy, missing) &&
                                  tk73pgm::DiffProgramFiles(copy, path, differences, error);
            if (!error.empty()) {
                std::fprintf(stderr, "tk73: %s, %s: %s\n", address.c_str(), name.c_str(),
                             error.c_str());
            }
            known = known && compared;
            if (!compared) {
                ++count_;
                fileItems.push_back(JsonObject()
                                        .Text("file", name)
                                        .Raw("known", "false")
                                        .Raw("changes", "[]")
                                        .Str());
                if (!json_) {
                    std::printf("%s\t%s\t%s\n", address.c_str(), name.c_str(), kNotKnown);
                }
                continue;
            }
            fileItems.push_back(
                JsonObject()
                    .Text("file", name)
                    .Raw("known", "true")
                    .Raw("changes", Changes(address, name, fileNo, differences, changedRecords))
                    .Str());
        }
        items_.push_back(
            JsonObject()
                .Text("address", address)
                .Number("machine", machineNo)
                .Raw("known", known ? "true" : "false")
                .Number("changedRecords", static_cast<long long>(changedRecords.size()))
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
    std::string Changes(const std::string& address, const std::string& name, uint32_t fileNo,
                        const std::vector<tk73pgm::FieldDifference>& differences,
                        std::set<std::pair<uint32_t, int>>& changedRecords) {
        const std::vector<FIELD_INFO> fields = titles_.Fields(static_cast<int>(fileNo));
        std::vector<std::string> items;
        for (const tk73pgm::FieldDifference& difference : differences) {
            ++count_;
            changedRecords.emplace(fileNo, difference.record);
            const int fieldNo = FieldTitles::FieldNoAt(fields, difference.fieldIndex);
            const std::string title = fieldNo != 0 ? titles_.TitleOf(fieldNo) : "";
            items.push_back(JsonObject()
                                .Number("record", difference.record)
                                .Number("field", fieldNo)
                                .Text("title", title)
                                .Text("register", difference.left)
                                .Text("store", difference.right)
                                .Str());
            if (!json_) {
                std::printf("%s\t%s\t%d\t%d\t%s\t%s\t%s\n", address.c_str(), name.c_str(),
                            difference.record, fieldNo, TerminalText(title).c_str(),
                            TerminalText(difference.left).c_str(),
                            TerminalText(difference.right).c_str());
            }
        }
        return JsonArray(items);
    }

    STORE_EDB store_;
    FieldTitles titles_;
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
    const std::string definition = StoreDefinitionFile(store, false);
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
    ChangesReport report(store, line.has("json"));
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
