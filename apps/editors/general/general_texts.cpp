#include "apps/editors/general/general_texts.h"

#include "apps/editors/framework/editor_texts.h"

namespace tk73general {

namespace {

const char* builtInText(GeneralText id) {
    switch (id) {
        case GeneralText::GeneralFeatureTitle:
            return "General Feature";
        case GeneralText::OnlineTitle:
            return "Online Setting";
        case GeneralText::KeyOperationTitle:
            return "Key Operation";
        case GeneralText::SystemPage:
            return "System";
        case GeneralText::OperationPage:
            return "Operation";
        case GeneralText::DevicesPage:
            return "Devices";
        case GeneralText::PeripheralsPage:
            return "Peripherals";
        case GeneralText::JournalPage:
            return "Journal";
        case GeneralText::ClerkPage:
            return "Clerk";
        case GeneralText::DrawerPage:
            return "Drawer";
        case GeneralText::PaymentPage:
            return "Payment";
        case GeneralText::ReceiptPage:
            return "Receipt";
        case GeneralText::RoundingSystem:
            return "Rounding system";
        case GeneralText::NoRounding:
            return "No rounding";
        case GeneralText::RoundTo5:
            return "Round to 0.05";
        case GeneralText::RoundTo10:
            return "Round to 0.10";
        case GeneralText::DecimalPoint:
            return "Decimal point";
        case GeneralText::NoDecimals:
            return "No decimals";
        case GeneralText::TwoDecimals:
            return "2 decimals (0.00)";
        case GeneralText::ThreeDecimals:
            return "3 decimals (0.000)";
        case GeneralText::DateFormat:
            return "Date format";
        case GeneralText::MonthDayYear:
            return "MM/DD/YYYY";
        case GeneralText::DayMonthYear:
            return "DD/MM/YYYY";
        case GeneralText::YearMonthDay:
            return "YYYY/MM/DD";
        case GeneralText::TimeFormat:
            return "Time format";
        case GeneralText::Hour24:
            return "24 hour system";
        case GeneralText::Hour12:
            return "12 hour system";
        case GeneralText::DrawerAlarm:
            return "Drawer open alarm (seconds)";
        case GeneralText::KeyBeep:
            return "Beep on key entry";
        case GeneralText::ClerkSignOn:
            return "Clerk sign-on compulsory";
        case GeneralText::PowerSave:
            return "Power save after (minutes)";
        case GeneralText::ScannerConnected:
            return "Scanner connected";
        case GeneralText::VoidLimit:
            return "Void limit";
        case GeneralText::PrintLogo:
            return "Print the graphic logo";
        case GeneralText::JournalToMemory:
            return "Electronic journal (journal to memory)";
        case GeneralText::TimeFormatNote:
            return "This is the time on the register's display; receipts and the journal follow "
                   "\"Time system\" of the receipt settings.";
    }
    return "";
}

}  // namespace

std::string generalText(GeneralText id) {
    return tk73editor::resourceText(static_cast<unsigned>(id), builtInText(id));
}

}  // namespace tk73general
