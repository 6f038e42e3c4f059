#include "programfiles/cmn_update_info.h"

#include "platform/local_time.h"

namespace {

// The program files whose writes change the menu data: the scanning PLU file and file 14.
constexpr int kMenuUpdateFiles[] = {2, 14};

unsigned char bcd(int value) {
    const int twoDigits = ((value % 100) + 100) % 100;
    return static_cast<unsigned char>(((twoDigits / 10) << 4) | (twoDigits % 10));
}

}  // namespace

CCmnUpdateInfo::CCmnUpdateInfo(int storeNo) {
    // A store that cannot be read leaves the object without files, and every update fails.
    (void)Initialize(storeNo);
}

CCmnUpdateInfo::CCmnUpdateInfo(const CCmnMainteBase& base) : CCmnMainteBase(base) {}

CCmnUpdateInfo::StampBytes CCmnUpdateInfo::MakeStampBytes(const std::tm& at) {
    return {bcd(at.tm_sec),  bcd(at.tm_min),     bcd(at.tm_hour),
            bcd(at.tm_mday), bcd(at.tm_mon + 1), bcd(at.tm_year)};
}

int CCmnUpdateInfo::UpdateMenuDateTime(int reg, int vek) {
    return UpdateMenuDateTime(reg, vek, tk73::localTimeNow());
}

int CCmnUpdateInfo::UpdateMenuDateTime(int reg, int vek, const std::tm& at) {
    const StampBytes bytes = MakeStampBytes(at);
    if (vek == 1 && HasVek() && !Stamp(GetVekPgmHandle(), bytes)) {
        return 0;
    }
    if (reg == 1 && HasRegister() && !Stamp(GetRegPgmHandle(), bytes)) {
        return 0;
    }
    return 1;
}

int CCmnUpdateInfo::Stamp(CPgmHandle& handle, const StampBytes& bytes) {
    tagPGMITEMDEF item;
    if (!handle.GetItemDef(&item, kStampMenuNo, kStampItemNo, 1)) {
        return 0;
    }
    // The definition's position (its D value) is a character position within the field, not a
    // record: the stamp belongs in the record the item's memory names.
    return handle.WriteItem(&item, item.nFirstRecord, bytes.data(), static_cast<int>(bytes.size()));
}

int CCmnUpdateInfo::IsMenuUpdateFile(int fileNo) {
    for (const int file : kMenuUpdateFiles) {
        if (file == fileNo) {
            return 1;
        }
    }
    return 0;
}

int CCmnUpdateInfo::UpdateMenuDateTimeAfterWrite(int storeNo, int fileNo) {
    if (!IsMenuUpdateFile(fileNo)) {
        return 1;
    }
    return CCmnUpdateInfo(storeNo).UpdateMenuDateTime(1, 1);
}
