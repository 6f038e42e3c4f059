#include "apps/editors/receipt/receipt_texts.h"

#include "apps/editors/framework/editor_texts.h"

namespace tk73receipt {

namespace {

const char* builtInText(ReceiptText id) {
    switch (id) {
        case ReceiptText::ReceiptJournalTitle:
            return "Receipt/Journal";
        case ReceiptText::ReceiptMessageTitle:
            return "Receipt Message";
        case ReceiptText::OfficialReceiptTitle:
            return "Ryoushuu-sho";
        case ReceiptText::ReportTitle:
            return "X/Z Report";
        case ReceiptText::PopTitle:
            return "POP Printing";
        case ReceiptText::Time:
            return "Time";
        case ReceiptText::TimeSystem:
            return "Time system";
        case ReceiptText::ConsecutiveNo:
            return "Consecutive No.";
        case ReceiptText::ItemCounter:
            return "Print number of item sold (item counter)";
        case ReceiptText::DoubleHeight:
            return "Print receipt in double-height characters";
        case ReceiptText::JournalSkip:
            return "Skip item prints on journal (journal skip)";
        case ReceiptText::JournalCompressed:
            return "Journal compressed print (print half height characters)";
        case ReceiptText::PaperRoll:
            return "Paper roll setting (one sheet model only)";
        case ReceiptText::MachineNo:
            return "Machine No.";
        case ReceiptText::CalendarType:
            return "Calendar type";
        case ReceiptText::Printing:
            return "Printing";
        case ReceiptText::NonPrinting:
            return "Non-printing";
        case ReceiptText::Hour24:
            return "24 hour system";
        case ReceiptText::Hour12:
            return "12 hour system";
        case ReceiptText::Yes:
            return "YES";
        case ReceiptText::No:
            return "NO";
        case ReceiptText::Receipt:
            return "Receipt";
        case ReceiptText::Journal:
            return "Journal";
        case ReceiptText::Gregorian:
            return "Gregorian";
        case ReceiptText::JapaneseEra:
            return "Japanese era";
        case ReceiptText::BuddhistEra:
            return "Buddhist era";
        case ReceiptText::MessagePage:
            return "Message";
        case ReceiptText::LogoStatusPage:
            return "Graphic logo";
        case ReceiptText::LogoMessage:
            return "Logo message";
        case ReceiptText::AddressMessage:
            return "Addr/Tel No.";
        case ReceiptText::CommercialMessage:
            return "Commercial message";
        case ReceiptText::BottomMessage:
            return "Bottom message";
        case ReceiptText::Print:
            return "Print";
        case ReceiptText::NoPrint:
            return "No print";
        case ReceiptText::LineCount:
            return "Lines printed";
        case ReceiptText::LineLabel:
            return "Line %d";
        case ReceiptText::MultiplicationChar:
            return "Multiplication count character";
        case ReceiptText::NumberChar:
            return "The number character";
        case ReceiptText::PreviewButton:
            return "Preview";
        case ReceiptText::PreviewTitle:
            return "Preview receipt";
        case ReceiptText::PreviewFont:
            return "Courier";
        case ReceiptText::HeaderLogo:
            return "Receipt header logo";
        case ReceiptText::ShopLogo:
            return "Shop logo";
        case ReceiptText::BottomLogo:
            return "Bottom logo";
        case ReceiptText::SampleDate:
            return "01/04/2024 MON";
        case ReceiptText::SampleTime:
            return "10:30";
        case ReceiptText::SampleClerk:
            return "CLERK Anna";
        case ReceiptText::SampleConsecutive:
            return "No.000123";
        case ReceiptText::SampleDept1:
            return "BAKERY";
        case ReceiptText::SampleDept1Amount:
            return "2.50";
        case ReceiptText::SampleDept2:
            return "COFFEE BAR";
        case ReceiptText::SampleDept2Amount:
            return "3.20";
        case ReceiptText::SampleTaxable:
            return "TAXABLE 20%";
        case ReceiptText::SampleTaxableAmount:
            return "4.75";
        case ReceiptText::SampleTax:
            return "TAX 20%";
        case ReceiptText::SampleTaxAmount:
            return "0.95";
        case ReceiptText::SampleTotal:
            return "TOTAL";
        case ReceiptText::SampleTotalAmount:
            return "5.70";
        case ReceiptText::SampleCash:
            return "CASH";
        case ReceiptText::SampleCashAmount:
            return "10.00";
        case ReceiptText::SampleChange:
            return "CHANGE";
        case ReceiptText::SampleChangeAmount:
            return "4.30";
        case ReceiptText::OfficialReceipt:
            return "Official receipt";
        case ReceiptText::ReceiptHeading:
            return "Title";
        case ReceiptText::ReportPage:
            return "Report";
        case ReceiptText::AllXzPage:
            return "All X/Z";
        case ReceiptText::ReportName:
            return "Name";
        case ReceiptText::ReportOnX:
            return "Print on X";
        case ReceiptText::ReportOnZ:
            return "Print on Z";
        case ReceiptText::ReportSkipZero:
            return "Skip zero totals";
        case ReceiptText::ReportCompressed:
            return "Compressed";
        case ReceiptText::StepLabel:
            return "Step %d";
        case ReceiptText::NoReport:
            return "None";
        case ReceiptText::PopRange:
            return "POP message %d-%d";
        case ReceiptText::PopNumber:
            return "No.%d";
        case ReceiptText::PopText:
            return "Message";
        case ReceiptText::PopSize:
            return "Size";
        case ReceiptText::PopNormal:
            return "Normal";
        case ReceiptText::PopDouble:
            return "Double";
        case ReceiptText::TimeSystemNote:
            return "Receipts and the journal print the time in this system; the register's "
                   "display follows \"Time format\" of the general features.";
    }
    return "";
}

}  // namespace

std::string receiptText(ReceiptText id) {
    return tk73editor::resourceText(static_cast<unsigned>(id), builtInText(id));
}

std::string receiptText(ReceiptText id, int first, int second) {
    return tk73editor::fillNumbers(receiptText(id), first, second);
}

}  // namespace tk73receipt
