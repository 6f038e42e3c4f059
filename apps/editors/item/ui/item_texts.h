#pragma once
// The item editor's own texts, by string id as in its string table; each goes through the
// framework's resourceText, so that the language library can answer it.

#include <QString>

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73item {

enum class ItemText : unsigned {
    ScanningCodeError = tk73editor::kItemFirstText,  // "There is an error in the scanning code."
    AlreadyRegistered,  // "This item has already been registered.\nDo you make ..."
    ReuseOldest,        // "Since there is no free space in the file,\nI use ..."
    ScanningFileFull,   // "There is no free space in the scaning PLU file."
    CodeNotRegistered,  // "Scanning Code that has been specified is not registered."
    ClearNfp,           // "Cleared all the NFP. Would you like?"
    SearchTitle,        // "Search"
    MemoryJump,         // "Memory Jump(&J)"
    MemoryNumber,       // "Memory number(&M):"
    CodeJump,           // "Code Jump(&J)"
    ScanningCode,       // "Scanning code(&M):"
    SearchName,         // "Search Name(&S)"
    SearchString,       // "Search string(&N):"
    CaseSensitive,      // "Case sensitive(&C)"
    Direction,          // "Direction"
    Backward,           // "Backward(&U)"
    Forward,            // "Forward(&D)"
    FindNext,           // "Find Next(&F)"
    AddTitle,           // "Add"
    AddCode,            // "Scanning code:"
    MemoryNumberLabel,  // "Mem No.:"
    ScanningCodeLabel,  // "Scanning code:"
    EditButton,         // "Edit(&E)"
    SearchButton,       // "Search(&F)..."
    AddButton,          // "Add(&A)..."
    ClearNfpButton,     // "Clear NFP(&N)"
    CloseButton         // "Close"
};

std::string itemText(ItemText id);
QString itemQText(ItemText id);

}  // namespace tk73item
