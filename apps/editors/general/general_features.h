#pragma once
// The general features of a register (menu 18): each item is the option value of one function
// record of the system option file, found through the function number column (item 0). The
// table says how each is shown; a page shows the features it is given, in that order.
//
//   1 rounding system (drop-down)   5 drawer open alarm (seconds)   9 scanner connected
//   2 decimal point (drop-down)     6 beep on key entry             10 void limit
//   3 date format (drop-down)       7 clerk sign-on compulsory      11 print the graphic logo
//   4 time format (options)         8 power save (minutes)          12 electronic journal

#include <initializer_list>
#include <string>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/general/general_texts.h"

namespace tk73general {

inline constexpr int kGeneralFeatureMenu = 18;

enum class Feature {
    RoundingSystem = 1,
    DecimalPoint,
    DateFormat,
    TimeFormat,
    DrawerAlarm,
    KeyBeep,
    ClerkSignOn,
    PowerSave,
    ScannerConnected,
    VoidLimit,
    PrintLogo,
    JournalToMemory
};

// Adds a page with the features, each bound to its item of menu 18.
void addFeaturePage(tk73editor::PageSetDialog& set, GeneralText title,
                    std::initializer_list<Feature> features);

}  // namespace tk73general
