#include "apps/editors/item/records_written.h"

#include "base/registry_settings.h"
#include "programfiles/cmn_update_info.h"
#include "programfiles/merge_setting_data_type1.h"

namespace tk73item {

namespace {

// Whether writes of the set's records change the store's menu data.
bool changesMenuData(const ItemPageSet& set, int fileNo) {
    return CCmnUpdateInfo::IsMenuUpdateFile(fileNo) || set.mergeKind == kMergePlu;
}

}  // namespace

int AfterRecordsWritten(int storeNo, const ItemPageSet& set, int fileNo,
                        const std::vector<int>& records) {
    if (records.empty()) {
        return 1;
    }
    int copied = 1;
    if (AecrbsGetCurrentVekSetting() == 0 && set.mergeKind != kNoCopy) {
        CMergeSettingDataType1 merge(storeNo);
        for (const int record : records) {
            if (!merge.ExecuteOneRecordFromRegToVek(set.mergeKind, record)) {
                copied = 0;
            }
        }
    }
    if (!changesMenuData(set, fileNo)) {
        return copied;
    }
    return CCmnUpdateInfo(storeNo).UpdateMenuDateTime(1, 1) != 0 ? copied : 0;
}

}  // namespace tk73item
