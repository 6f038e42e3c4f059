#include "apps/editors/item/records_written.h"

#include "base/registry_settings.h"
#include "programfiles/cmn_update_info.h"
#include "programfiles/merge_setting_data_type1.h"

namespace tk73item {

bool ChangesMenuData(const ItemPageSet& set, int fileNo) {
    return CCmnUpdateInfo::IsMenuUpdateFile(fileNo) || set.mergeKind == kMergePlu;
}

int AfterRecordsWritten(int storeNo, const ItemPageSet& set, int fileNo,
                        const std::vector<int>& records) {
    if (records.empty()) {
        return 1;
    }
    if (AecrbsGetCurrentVekSetting() == 0 && set.mergeKind != kNoCopy) {
        CMergeSettingDataType1 merge(storeNo);
        for (const int record : records) {
            merge.ExecuteOneRecordFromRegToVek(set.mergeKind, record);
        }
    }
    if (!ChangesMenuData(set, fileNo)) {
        return 1;
    }
    return CCmnUpdateInfo(storeNo).UpdateMenuDateTime(1, 1);
}

}  // namespace tk73item
