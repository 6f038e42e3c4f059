#include "apps/editors/item/ui/item_texts.h"

#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"

namespace tk73item {

namespace {

const char* builtInText(ItemText id) {
    switch (id) {
        case ItemText::ScanningCodeError:
            return "There is an error in the scanning code.";
        case ItemText::AlreadyRegistered:
            return "This item has already been registered.\nDo you make changes to the content "
                   "that is registered?";
        case ItemText::ReuseOldest:
            return "Since there is no free space in the file,\nI use the following data to "
                   "delete and re-oldest.\nAre you sure you want?\n(code:%s Name:%s)";
        case ItemText::ScanningFileFull:
            return "There is no free space in the scaning PLU file.";
        case ItemText::CodeNotRegistered:
            return "Scanning Code that has been specified is not registered.";
        case ItemText::ClearNfp:
            return "Cleared all the NFP. Would you like?";
        case ItemText::SearchTitle:
            return "Search";
        case ItemText::MemoryJump:
            return "Memory Jump(&J)";
        case ItemText::MemoryNumber:
            return "Memory number(&M):";
        case ItemText::CodeJump:
            return "Code Jump(&J)";
        case ItemText::ScanningCode:
            return "Scanning code(&M):";
        case ItemText::SearchName:
            return "Search Name(&S)";
        case ItemText::SearchString:
            return "Search string(&N):";
        case ItemText::CaseSensitive:
            return "Case sensitive(&C)";
        case ItemText::Direction:
            return "Direction";
        case ItemText::Backward:
            return "Backward(&U)";
        case ItemText::Forward:
            return "Forward(&D)";
        case ItemText::FindNext:
            return "Find Next(&F)";
        case ItemText::AddTitle:
            return "Add";
        case ItemText::AddCode:
            return "Scanning code:";
        case ItemText::MemoryNumberLabel:
            return "Mem No.:";
        case ItemText::ScanningCodeLabel:
            return "Scanning code:";
        case ItemText::EditButton:
            return "Edit(&E)";
        case ItemText::SearchButton:
            return "Search(&F)...";
        case ItemText::AddButton:
            return "Add(&A)...";
        case ItemText::ClearNfpButton:
            return "Clear NFP(&N)";
        case ItemText::CloseButton:
            return "Close";
    }
    return "";
}

}  // namespace

std::string itemText(ItemText id) {
    return tk73editor::resourceText(static_cast<unsigned>(id), builtInText(id));
}

QString itemQText(ItemText id) {
    return tk73::toQString(itemText(id));
}

}  // namespace tk73item
