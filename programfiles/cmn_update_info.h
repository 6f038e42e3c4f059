#pragma once
// The menu update stamp: the date and time at which a store's menu data last changed, written
// into item 1 of menu 36 of the register and the Vek controller, so that each machine can tell
// that it should take the menu data again.
//
// The stamp is six bytes, each two decimal digits in binary-coded decimal: seconds, minutes,
// hours, day of month, month and year within the century. It goes to the item's first record.

#include <array>
#include <ctime>

#include "programfiles/cmn_mainte_base.h"

class CCmnUpdateInfo : public CCmnMainteBase {
  public:
    using StampBytes = std::array<unsigned char, 6>;

    // The menu and item of the stamp.
    static constexpr int kStampMenuNo = 36;
    static constexpr int kStampItemNo = 1;

    // A maintenance base opened for the store.
    explicit CCmnUpdateInfo(int storeNo);
    // The stamp on the machines of a maintenance base that is open already.
    explicit CCmnUpdateInfo(const CCmnMainteBase& base);

    // Stamps the register when reg is 1 and the Vek controller when vek is 1 with the local time
    // now: the Vek controller first, and a Vek stamp that fails ends the call before the
    // register is tried. 1 when every stamp asked for of a machine the store has was written
    // (or there was none), 0 when the item cannot be resolved or written.
    [[nodiscard]] int UpdateMenuDateTime(int reg, int vek);
    // The same with a given local time.
    [[nodiscard]] int UpdateMenuDateTime(int reg, int vek, const std::tm& at);

    static StampBytes MakeStampBytes(const std::tm& at);

    // Whether writing records of the program file changes menu data that both machines must
    // learn of (the scanning PLU file 2 and file 14).
    [[nodiscard]] static int IsMenuUpdateFile(int fileNo);
    // For an editor that has written records of the program file: stamps the store's register
    // and Vek controller when the file is one of the menu update files, else does nothing. The
    // result is that of UpdateMenuDateTime, or 1 when nothing was to be done.
    [[nodiscard]] static int UpdateMenuDateTimeAfterWrite(int storeNo, int fileNo);

  private:
    [[nodiscard]] static int Stamp(CPgmHandle& handle, const StampBytes& bytes);
};
