#pragma once
// The texts of the general feature editor, by string id as in its string table; the language
// library answers them in its language when it holds them.

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73general {

enum class GeneralText : unsigned {
    // Page set titles.
    GeneralFeatureTitle = tk73editor::kGeneralFirstText,  // "General Feature"
    OnlineTitle,                                          // "Online Setting"
    KeyOperationTitle,                                    // "Key Operation"
    // Pages.
    SystemPage,       // "System"
    OperationPage,    // "Operation"
    DevicesPage,      // "Devices"
    PeripheralsPage,  // "Peripherals"
    JournalPage,      // "Journal"
    ClerkPage,        // "Clerk"
    DrawerPage,       // "Drawer"
    PaymentPage,      // "Payment"
    ReceiptPage,      // "Receipt"
    // The features of menu 18.
    RoundingSystem,    // "Rounding system"
    NoRounding,        // "No rounding"
    RoundTo5,          // "Round to 0.05"
    RoundTo10,         // "Round to 0.10"
    DecimalPoint,      // "Decimal point"
    NoDecimals,        // "No decimals"
    TwoDecimals,       // "2 decimals (0.00)"
    ThreeDecimals,     // "3 decimals (0.000)"
    DateFormat,        // "Date format"
    MonthDayYear,      // "MM/DD/YYYY"
    DayMonthYear,      // "DD/MM/YYYY"
    YearMonthDay,      // "YYYY/MM/DD"
    TimeFormat,        // "Time format"
    Hour24,            // "24 hour system"
    Hour12,            // "12 hour system"
    DrawerAlarm,       // "Drawer open alarm (seconds)"
    KeyBeep,           // "Beep on key entry"
    ClerkSignOn,       // "Clerk sign-on compulsory"
    PowerSave,         // "Power save after (minutes)"
    ScannerConnected,  // "Scanner connected"
    VoidLimit,         // "Void limit"
    PrintLogo,         // "Print the graphic logo"
    JournalToMemory,   // "Electronic journal (journal to memory)"
    // Beside "Time format": the receipt settings hold the printed time's own.
    TimeFormatNote  // "This is the time on the register's display; receipts and the journal
                    // follow \"Time system\" of the receipt settings."
};

std::string generalText(GeneralText id);

}  // namespace tk73general
