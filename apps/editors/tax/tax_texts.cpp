#include "apps/editors/tax/tax_texts.h"

#include "apps/editors/framework/editor_texts.h"

namespace tk73tax {

namespace {

const char* builtInText(TaxText id) {
    switch (id) {
        case TaxText::TaxTableTitle:
            return "Tax Table";
        case TaxText::ReservationTitle:
            return "TAX Table reservation";
        case TaxText::TableName:
            return "Tax Table%d";
        case TaxText::TableRange:
            return "Tax Table%d-%d";
        case TaxText::CalculationType:
            return "Calculation Type";
        case TaxText::CalculationTypeLower:
            return "Calculation type";
        case TaxText::AddIn:
            return "Add in";
        case TaxText::AddOn:
            return "Add on";
        case TaxText::Other:
            return "Other";
        case TaxText::TaxRate:
            return "Tax Rate";
        case TaxText::TaxRateLower:
            return "Tax rate";
        case TaxText::Percent:
            return "%";
        case TaxText::Rounding:
            return "Rounding";
        case TaxText::RoundOff:
            return "Round off";
        case TaxText::CutOff:
            return "Cut off";
        case TaxText::RoundUp:
            return "Round up";
        case TaxText::TaDescriptor:
            return "TA Descriptor";
        case TaxText::TaxDescriptor:
            return "TAX Descriptor";
        case TaxText::PrintControl:
            return "Print control";
        case TaxText::NonTaxTotal:
            return "Non TAX total";
        case TaxText::TaxableAmount:
            return "Taxable amount";
        case TaxText::Print:
            return "Print";
        case TaxText::NoPrint:
            return "No print";
        case TaxText::Caution:
            return "Caution";
        case TaxText::CautionNote:
            return "TA Descriptor and TAX Descriptor will be restored when Calculation Type is "
                   "changed.\n\nThese descriptor need to be changed after set calculation type.";
        case TaxText::DateGroup:
            return "Date of changing TAX Table";
        case TaxText::NotProgrammed:
            return "No programmed";
        case TaxText::Programmed:
            return "Programmed";
        case TaxText::UnableToReserve:
            return "Unable to reserve";
        case TaxText::CannotBeProgrammed:
            return "Following items cannot be programmed.";
        case TaxText::UnreservedItems:
            return "  TA descriptor\n  TAX Descriptor\n  Rounding";
        case TaxText::ChangeAfterwards:
            return "Please change these after tax table is changed.";
        case TaxText::TypeCaution:
            return "CAUTION : Calculation Type";
        case TaxText::TypeCautionNow:
            return "This Calculation Type is set currently.\nThis Calculation Type is set after "
                   "confirmed.";
        case TaxText::TypeCautionOverwrite:
            return "If Calculation Type is reserved in ECR.\nThis reservation contents will be "
                   "over write.\n So please check ECR setting.";
        case TaxText::LoseOtherTable:
            return "You will lose current taxtable.\nAre you sure?";
    }
    return "";
}

}  // namespace

std::string taxText(TaxText id) {
    return tk73editor::resourceText(static_cast<unsigned>(id), builtInText(id));
}

std::string taxText(TaxText id, int first, int second) {
    return tk73editor::fillNumbers(taxText(id), first, second);
}

}  // namespace tk73tax
