#pragma once
// Where the receipt and report editor's settings are in a model's definition file.

namespace tk73receipt {

// Receipt and journal options: items 1 to 8 are two-way options, 9 the machine number and 10
// the calendar type.
inline constexpr int kReceiptJournalMenu = 5;
inline constexpr int kMachineNoItem = 9;
inline constexpr int kCalendarItem = 10;

// The receipt messages: four blocks of four items (print flag, lines printed, the lines over
// their records, the printer's characters per line), then the two print characters.
inline constexpr int kMessageMenu = 6;
inline constexpr int kMessageBlocks = 4;
inline constexpr int kItemsPerBlock = 4;
inline constexpr int kPrintFlagItem = 1;
inline constexpr int kLineCountItem = 2;
inline constexpr int kLinesItem = 3;
inline constexpr int kCharactersPerLineItem = 4;
inline constexpr int kMultiplicationCharItem = 17;
inline constexpr int kNumberCharItem = 18;

// The print status of the three graphic logos.
inline constexpr int kLogoStatusMenu = 7;
inline constexpr int kLogos = 3;

// The reports (one record each): name, then four print options.
inline constexpr int kReportMenu = 8;
inline constexpr int kReportNameItem = 1;
inline constexpr int kReportOptionItems[] = {2, 3, 4, 5};

// The official receipt: its title line (record 1), the lines below it and its print flag.
inline constexpr int kOfficialReceiptMenu = 10;
inline constexpr int kReceiptTitleItem = 1;
inline constexpr int kReceiptLinesItem = 2;
inline constexpr int kReceiptPrintItem = 3;

// The POP messages (one record each): text and size.
inline constexpr int kPopMenu = 20;
inline constexpr int kPopTextItem = 1;
inline constexpr int kPopSizeItem = 2;

// The order of the reports an "All X/Z" report prints (one step per record).
inline constexpr int kAllXzMenu = 40;
inline constexpr int kAllXzItem = 1;

}  // namespace tk73receipt
