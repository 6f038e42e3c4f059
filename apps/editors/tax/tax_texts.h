#pragma once
// The texts of the tax table editor, by string id as in its string table; the language library
// answers them in its language when it holds them.

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73tax {

enum class TaxText : unsigned {
    TaxTableTitle = tk73editor::kTaxFirstText,  // "Tax Table"
    ReservationTitle,                           // "TAX Table reservation"
    TableName,                                  // "Tax Table%d"
    TableRange,                                 // "Tax Table%d-%d"
    CalculationType,                            // "Calculation Type"
    CalculationTypeLower,                       // "Calculation type"
    AddIn,                                      // "Add in"
    AddOn,                                      // "Add on"
    Other,                                      // "Other"
    TaxRate,                                    // "Tax Rate"
    TaxRateLower,                               // "Tax rate"
    Percent,                                    // "%"
    Rounding,                                   // "Rounding"
    RoundOff,                                   // "Round off"
    CutOff,                                     // "Cut off"
    RoundUp,                                    // "Round up"
    TaDescriptor,                               // "TA Descriptor"
    TaxDescriptor,                              // "TAX Descriptor"
    PrintControl,                               // "Print control"
    NonTaxTotal,                                // "Non TAX total"
    TaxableAmount,                              // "Taxable amount"
    Print,                                      // "Print"
    NoPrint,                                    // "No print"
    Caution,                                    // "Caution"
    CautionNote,           // "TA Descriptor and TAX Descriptor will be restored when ..."
    DateGroup,             // "Date of changing TAX Table"
    NotProgrammed,         // "No programmed"
    Programmed,            // "Programmed"
    UnableToReserve,       // "Unable to reserve"
    CannotBeProgrammed,    // "Following items cannot be programmed."
    UnreservedItems,       // the list of the items a reservation cannot change
    ChangeAfterwards,      // "Please change these after tax table is changed."
    TypeCaution,           // "CAUTION : Calculation Type"
    TypeCautionNow,        // "This Calculation Type is set currently.\n..."
    TypeCautionOverwrite,  // "If Calculation Type is reserved in ECR.\n..."
    LoseOtherTable         // "You will lose current taxtable.\nAre you sure?"
};

std::string taxText(TaxText id);
// A text with the numbers filled into its "%d" places, in order.
std::string taxText(TaxText id, int first, int second = 0);

}  // namespace tk73tax
