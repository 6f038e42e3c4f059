#pragma once
// The texts of the receipt and report editor, by string id as in its string table; the language
// library answers them in its language when it holds them.

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73receipt {

enum class ReceiptText : unsigned {
    // Page set titles.
    ReceiptJournalTitle = tk73editor::kReceiptFirstText,  // "Receipt/Journal"
    ReceiptMessageTitle,                                  // "Receipt Message"
    OfficialReceiptTitle,                                 // "Ryoushuu-sho"
    ReportTitle,                                          // "X/Z Report"
    PopTitle,                                             // "POP Printing"
    // Receipt/Journal.
    Time,               // "Time"
    TimeSystem,         // "Time system"
    ConsecutiveNo,      // "Consecutive No."
    ItemCounter,        // "Print number of item sold (item counter)"
    DoubleHeight,       // "Print receipt in double-height characters"
    JournalSkip,        // "Skip item prints on journal (journal skip)"
    JournalCompressed,  // "Journal compressed print (print half height characters)"
    PaperRoll,          // "Paper roll setting (one sheet model only)"
    MachineNo,          // "Machine No."
    CalendarType,       // "Calendar type"
    Printing,           // "Printing"
    NonPrinting,        // "Non-printing"
    Hour24,             // "24 hour system"
    Hour12,             // "12 hour system"
    Yes,                // "YES"
    No,                 // "NO"
    Receipt,            // "Receipt"
    Journal,            // "Journal"
    Gregorian,          // "Gregorian"
    JapaneseEra,        // "Japanese era"
    BuddhistEra,        // "Buddhist era"
    // Receipt Message.
    MessagePage,         // "Message"
    LogoStatusPage,      // "Graphic logo"
    LogoMessage,         // "Logo message"
    AddressMessage,      // "Addr/Tel No."
    CommercialMessage,   // "Commercial message"
    BottomMessage,       // "Bottom message"
    Print,               // "Print"
    NoPrint,             // "No print"
    LineCount,           // "Lines printed"
    LineLabel,           // "Line %d"
    MultiplicationChar,  // "Multiplication count character"
    NumberChar,          // "The number character"
    PreviewButton,       // "Preview"
    PreviewTitle,        // "Preview receipt"
    PreviewFont,         // "Courier"
    HeaderLogo,          // "Receipt header logo"
    ShopLogo,            // "Shop logo"
    BottomLogo,          // "Bottom logo"
    // The sample sale of the preview: a left and a right part per entry.
    SampleDate,           // "01/04/2024 MON"
    SampleTime,           // "10:30"
    SampleClerk,          // "CLERK Anna"
    SampleConsecutive,    // "No.000123"
    SampleDept1,          // "BAKERY"
    SampleDept1Amount,    // "2.50"
    SampleDept2,          // "COFFEE BAR"
    SampleDept2Amount,    // "3.20"
    SampleTaxable,        // "TAXABLE 20%"
    SampleTaxableAmount,  // "4.75"
    SampleTax,            // "TAX 20%"
    SampleTaxAmount,      // "0.95"
    SampleTotal,          // "TOTAL"
    SampleTotalAmount,    // "5.70"
    SampleCash,           // "CASH"
    SampleCashAmount,     // "10.00"
    SampleChange,         // "CHANGE"
    SampleChangeAmount,   // "4.30"
    // Official receipt.
    OfficialReceipt,  // "Official receipt"
    ReceiptHeading,   // "Title"
    // X/Z Report.
    ReportPage,        // "Report"
    AllXzPage,         // "All X/Z"
    ReportName,        // "Name"
    ReportOnX,         // "Print on X"
    ReportOnZ,         // "Print on Z"
    ReportSkipZero,    // "Skip zero totals"
    ReportCompressed,  // "Compressed"
    StepLabel,         // "Step %d"
    NoReport,          // "None"
    // POP Printing.
    PopRange,   // "POP message %d-%d"
    PopNumber,  // "No.%d"
    PopText,    // "Message"
    PopSize,    // "Size"
    PopNormal,  // "Normal"
    PopDouble,  // "Double"
    // Receipt/Journal, beside "Time system": the general features hold the display's own.
    TimeSystemNote  // "Receipts and the journal print the time in this system; the register's
                    // display follows \"Time format\" of the general features."
};

std::string receiptText(ReceiptText id);
// A text with the numbers filled into its "%d" places, in order.
std::string receiptText(ReceiptText id, int first, int second = 0);

}  // namespace tk73receipt
