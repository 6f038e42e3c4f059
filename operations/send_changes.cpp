#include "operations/send_changes.h"

#include <filesystem>
#include <set>
#include <utility>

#include "operations/field_titles.h"
#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/program_diff.h"
#include "storedb/edb_store.h"
#include "storedb/register_history.h"

namespace tk73ops {

namespace {
constexpr int kRegisterKind = 0;
}

tk73lan::RegisterChanges changesOnRegister(int storeNo, const std::string& address,
                                           const std::vector<uint32_t>& files,
                                           std::vector<std::string>* problems) {
    namespace fs = std::filesystem;
    tk73lan::RegisterChanges changes;
    changes.known = true;
    STORE_EDB store;
    const bool listed = CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) == 1;
    const int machineNo = listed ? tk73store::registerMachineNoAt(storeNo, address) : 0;
    const FieldTitles titles(listed ? StoreDefinitionFile(store, false) : "", false);
    std::set<std::pair<std::string, int>> records;
    for (uint32_t fileNo : files) {
        char path[TK73_MAX_PATH] = {};
        // The path whether or not the file exists yet.
        (void)tk73pgm::pgmFileOfKind(storeNo, kRegisterKind)
            ->CreateMainteFullPath(static_cast<int>(fileNo), path);
        const std::string name = fs::path(path).filename().string();
        const std::string copy = tk73store::registerSnapshotPath(storeNo, machineNo) + "/" + name;
        std::vector<tk73pgm::FieldDifference> differences;
        std::string error;
        std::error_code missing;
        if (machineNo == 0 || !fs::is_regular_file(copy, missing) ||
            !tk73pgm::DiffProgramFiles(copy, path, differences, error)) {
            if (!error.empty() && problems != nullptr) {
                problems->push_back(address + ", " + name + ": " + error);
            }
            changes.known = false;
            changes.unknownFiles.push_back(name);
            continue;
        }
        const std::vector<FIELD_INFO> fields = titles.Fields(static_cast<int>(fileNo));
        for (tk73pgm::FieldDifference& difference : differences) {
            records.emplace(name, difference.record);
            const int fieldNo = FieldTitles::FieldNoAt(fields, difference.fieldIndex);
            changes.fields.push_back({name, difference.record, fieldNo,
                                      fieldNo != 0 ? titles.TitleOf(fieldNo) : "",
                                      std::move(difference.left), std::move(difference.right)});
        }
    }
    changes.changedRecords = static_cast<int>(records.size());
    return changes;
}

}  // namespace tk73ops
